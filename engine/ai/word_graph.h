#pragma once
// The dictionary as a minimal word automaton (a DAWG): one node per set of
// word endings, so the millions of Czech word forms, which share their
// endings as much as their beginnings, fit in a few megabytes. The master
// walks it letter by letter while it lays tiles, and so never tries a
// letter that no word can continue with.
//
// Node 0 is the dead node, node 1 the root. A node is its 64-bit mask (bit
// c for each letter code c that continues a word, bit 0 when the path to
// it is a word) and the number of its first edge; its edges, one per set
// bit in letter order, hold the node numbers they lead to.

#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/files.h"

namespace tb {

class WordGraph {
  public:
    static constexpr const char* kFileName = "Slovnik_cz.dawg";

    WordGraph();  // no word at all
    // From the bytes of a graph file; throws FileError naming `what` when they are not one.
    WordGraph(std::string bytes, std::string_view what);
    // Reads the installation's graph file; throws FileError.
    static WordGraph load(const FileRoot& install);
    // The tables point into the bytes, which a move keeps and a copy would not.
    WordGraph(WordGraph&&) noexcept = default;
    WordGraph& operator=(WordGraph&&) noexcept = default;
    WordGraph(const WordGraph&) = delete;
    WordGraph& operator=(const WordGraph&) = delete;

    size_t nodes() const { return masks_.size(); }

    static uint32_t root() { return 1; }
    uint64_t mask(uint32_t node) const { return masks_[node]; }
    bool isWord(uint32_t node) const { return masks_[node] & 1; }
    // The node after letter code c (1..38), 0 when no word goes on so.
    uint32_t next(uint32_t node, unsigned c) const {
        const uint64_t m = masks_[node];
        if (!((m >> c) & 1)) return 0;
        return edges_[firsts_[node] + std::popcount(m & ((uint64_t{1} << c) - 2))];
    }

  private:
    std::string bytes_;
    std::span<const uint64_t> masks_;
    std::span<const uint32_t> firsts_, edges_;
};

// The graph file of the words, given as strings of letter codes (any
// order, duplicates allowed, words longer than the board left out).
std::string buildWordGraph(std::vector<std::string> codeWords);
// The stamp a word list keeps of the graph file made of its words, so that
// the game knows the graph belongs to the list; never 0.
uint32_t graphStamp(std::string_view graphFile);

}  // namespace tb
