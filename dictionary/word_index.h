#pragma once
// The dictionary in memory: every word once, as letter codes, in Czech
// alphabetical order, with a hash table beside it. The computer player asks
// for hundreds of thousands of words per move, so an exact lookup costs a
// hash and one or two memory reads; ordered access (nearest word, the
// settings screen's list) goes through the sorted offsets.
//
// Words live back to back in one byte buffer (a length byte, then the codes),
// so the whole list costs about a byte per letter plus 12 bytes per word.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tb {

class WordIndex {
  public:
    static constexpr size_t kMaxLetters = 255;

    WordIndex();

    // Loading: add words in any order, then seal() once.
    void reserve(size_t words, size_t letters);
    // Adds a word given as letter codes (see letter_codes.h).
    void appendCodes(std::string_view codes);
    // Sorts, drops duplicates and builds the hash table.
    void seal();

    // Code-page-1250 words. A word holding anything but the 38 letters is
    // never present.
    bool contains(std::string_view cp) const;
    // True if the word was new. Throws BadWordError for a word that is empty,
    // too long or not made of the 38 letters.
    bool insert(std::string_view cp);
    // True if the word was there.
    bool erase(std::string_view cp);

    size_t size() const { return order_.size(); }
    // Position of the first word not before `cp` in index order (size() if none).
    size_t lowerBound(std::string_view cp) const;
    // The word at a position, in code page 1250.
    std::string wordAt(size_t pos) const;

  private:
    std::string_view entry(uint32_t offset) const {
        return {text_.data() + offset + 1, static_cast<unsigned char>(text_[offset])};
    }
    size_t lowerBoundCodes(std::string_view codes) const;
    uint64_t* findSlot(std::string_view codes, uint64_t hash);
    const uint64_t* findSlot(std::string_view codes, uint64_t hash) const;
    void placeInTable(uint32_t offset, uint64_t hash);
    void rebuildTable(size_t capacity);
    uint32_t appendEntry(std::string_view codes);

    std::string text_;             // [length][codes...] per word, offset 0 unused
    std::vector<uint32_t> order_;  // offsets into text_, in index order
    std::vector<uint64_t> table_;  // hash tag << 32 | offset; 0 empty
    size_t used_ = 0;              // slots holding a word or a grave
};

}  // namespace tb
