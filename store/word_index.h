#pragma once
// The dictionary in memory: the word graph of the shipped list (a few
// megabytes, which the processor keeps in its cache) with the number of
// words below each of its nodes, and beside it the player's own changes.
// The graph answers whether a word is there by walking its letters; the
// counts give the position of a word in Czech alphabetical order and the
// word at a position, which the settings screen's list and the nearest-word
// search use.
//
// Every word of at most 15 letters (the width of the board) also packs into
// one 90-bit key, six bits per letter code, first letter highest, so that
// comparing keys compares words in that order; the player's changes are
// kept as sorted keys.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ai/word_graph.h"

namespace tb {

using WordKey = unsigned __int128;

class WordIndex {
  public:
    static constexpr size_t kMaxLetters = 15;

    WordIndex();  // no word at all
    // Over the graph of a list; throws FileError when the graph goes round
    // in a circle or holds words longer than the board (a damaged file).
    explicit WordIndex(std::shared_ptr<const WordGraph> graph);

    // Loading a list row by row: add words in any order, then seal() once.
    void reserve(size_t words) { loading_.reserve(words); }
    // Adds a UTF-8 word; a word that is not 1 to kMaxLetters of the 38
    // letters is left out (false).
    bool appendUtf8(std::string_view utf8);
    // Makes the graph of the words added.
    void seal();

    // Code-page-1250 words. A word holding anything but the 38 letters, or
    // longer than the board, is never present.
    bool contains(std::string_view cp) const;
    // True if the word was new. Throws BadWordError for a word that is empty,
    // longer than the board or not made of the 38 letters.
    bool insert(std::string_view cp);
    // True if the word was there.
    bool erase(std::string_view cp);

    const std::shared_ptr<const WordGraph>& graph() const { return graph_; }
    size_t size() const { return counts_[WordGraph::root()] - erased_.size() + added_.size(); }
    // Position of the first word not before the typed text `cp` (any bytes)
    // in index order; size() if there is none.
    size_t lowerBound(std::string_view cp) const;
    // The word at a position, in code page 1250.
    std::string wordAt(size_t pos) const;

  private:
    void count();
    bool holds(WordKey key) const;        // 0, no word, is never held
    size_t graphRank(WordKey key) const;  // the graph's words before the key
    WordKey graphWord(size_t g) const;    // the graph's word at position g
    size_t keyLowerBound(WordKey key) const;

    std::shared_ptr<const WordGraph> graph_;
    std::vector<uint32_t> counts_;         // words at and below each node
    std::vector<WordKey> added_, erased_;  // sorted; erased_ only the graph's words
    std::vector<std::string> loading_;     // letter codes
};

}  // namespace tb
