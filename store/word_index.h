#pragma once
// The dictionary in memory. Every word of at most 15 letters (the width of
// the board) packs into one 90-bit key, six bits per letter code, first
// letter highest, so that comparing keys compares words in Czech alphabetical
// order. The keys sit in an open-addressing hash table of 12-byte slots: an
// exact lookup, the question the computer player asks hundreds of thousands
// of times per move, costs a hash and usually a single memory read. Ordered
// access (nearest word, the settings screen's list) goes through an array of
// slot numbers kept in key order. Most of the computer player's questions are
// arrangements that are no word; a small filter of two bits per word (a
// tenth of the table, so it tends to stay in the processor's cache) answers
// nearly all of those without touching the table.
//
// The shipped list of about 2.8 million words takes some 65 MB. The build
// writes that whole index beside the list as an image, which the game maps
// instead of reading the list: it starts at once, and only the pages its
// lookups touch take memory. Changes to a mapped index stay in memory.
// Given the word graph of the same list, the index asks it whether a word is
// in the list: its few megabytes stay in the processor's cache, and the
// table's pages are then read only for the ordered questions.

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ai/word_graph.h"
#include "files/files.h"
#include "store/huge_array.h"

namespace tb {

using WordKey = unsigned __int128;

class WordIndex {
  public:
    static constexpr size_t kMaxLetters = 15;

    WordIndex();
    WordIndex(WordIndex&&) noexcept;
    WordIndex& operator=(WordIndex&&) noexcept;
    ~WordIndex();

    // Loading: add words in any order, then seal() once.
    void reserve(size_t words) { loading_.reserve(words); }
    // Adds a UTF-8 word; a word that is not 1 to kMaxLetters of the 38
    // letters is left out (false).
    bool appendUtf8(std::string_view utf8);
    // Drops duplicates and builds the table and the order.
    void seal();

    // The image of a sealed index, for the file `kImageName`; `stamp` names
    // the word list it was built from (see fingerprint).
    std::string image(uint32_t stamp) const;
    // Maps an image file. Throws FileError when the file is not an image
    // or was made from another word list than the one `stamp` names.
    static WordIndex mapImage(const fs::path& path, uint32_t stamp);
    // A number of the words, never 0, that a word list keeps to tell which
    // image belongs to it.
    uint32_t fingerprint() const;
    static constexpr const char* kImageName = "Slovnik_cz.idx";

    // Lets the graph answer which of the index's words are there, when it
    // holds as many words as the index (so the same list); false when not.
    // The player's changes since are kept beside it.
    bool answerFrom(std::shared_ptr<const WordGraph> graph);

    // Code-page-1250 words. A word holding anything but the 38 letters, or
    // longer than the board, is never present.
    bool contains(std::string_view cp) const;
    // True if the word was new. Throws BadWordError for a word that is empty,
    // longer than the board or not made of the 38 letters.
    bool insert(std::string_view cp);
    // True if the word was there.
    bool erase(std::string_view cp);

    size_t size() const { return words_; }
    // Position of the first word not before the typed text `cp` (any bytes)
    // in index order; size() if there is none.
    size_t lowerBound(std::string_view cp) const;
    // The word at a position, in code page 1250.
    std::string wordAt(size_t pos) const;

  private:
    using Slot = std::array<uint32_t, 3>;  // key bits 0..31, 32..63, 64..95
    static WordKey keyOf(const Slot& s);
    static bool isGrave(const Slot& s) { return s[2] == kGraveMark; }
    // The slot an entry of the order names; an image cannot point outside.
    const Slot& slotAt(uint32_t slot) const { return table_[slot & (table_.size() - 1)]; }
    static constexpr uint32_t kGraveMark = 0x80000000;  // never set in a key

    void allocate(size_t capacity);
    bool mayHold(uint64_t hash) const;
    size_t find(WordKey key, uint64_t hash) const;  // slot number, or npos
    size_t place(WordKey key);                      // slot number where the key now is
    size_t keyLowerBound(WordKey key) const;
    void rebuild(size_t capacity);

    void insertOrder(size_t pos, uint32_t slot);
    void eraseOrder(size_t pos);

    struct Mapping;
    std::unique_ptr<Mapping> image_;  // the mapped file the arrays below may view
    HugeArray<Slot> table_;           // key, or 0 empty, or a grave of an erased key
    HugeArray<uint64_t> filter_;      // 8 bits per slot; erased words leave theirs set
    HugeArray<uint32_t> order_;       // slot numbers in key order, then room to grow
    size_t words_ = 0;                // of order_
    std::vector<WordKey> loading_;
    size_t used_ = 0;  // slots holding a key or a grave
    std::shared_ptr<const WordGraph> graph_;  // the words as answerFrom found them
    std::set<WordKey> added_, erased_;        // the changes since
};

}  // namespace tb
