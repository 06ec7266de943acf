#pragma once
// The master ("Mistr"): every legal move of the seat on move on the whole
// board, each scored exactly as the game scores it, best first.
//
// The moves are found by the anchor method over the word graph: for every
// empty cell beside a fixed tile (the centre on the first move), every
// prefix the rack can lay to its left in free cells, then every way on to
// the right through the tiles of the line, with only the letters that make
// a word across where a cell has neighbours across. The words the player
// added walk a small graph of their own beside the shipped one; every word
// a move forms is finally asked of the dictionary itself, so a word the
// player removed is never played.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/ai/computer_player.h"
#include "engine/ai/word_graph.h"

namespace tb {

struct SlovnikMistra {
    const WordGraph& graf;     // the shipped words
    const WordGraph& pridana;  // the words the player added
    WordCursor& kurzor;        // the dictionary, which has the last word
};

// Every legal move for the rack of the seat on move, best first: more
// points, then fewer tiles, then the word, row, column, across before down.
std::vector<Kandidat> vsechnyTahy(const GameState& s, const SlovnikMistra& slovnik);
// The best of them; false when there is none.
bool nejlepsiTah(const GameState& s, const SlovnikMistra& slovnik, Kandidat& tah);

// The master at the table: the shipped graph asked for on its first move, the
// player's added words made into a graph of their own whenever they change.
class Mistr {
  public:
    using Nacti = std::function<std::shared_ptr<const WordGraph>()>;
    using Pridana = std::function<std::vector<std::string>()>;
    Mistr(WordCursor& kurzor, Nacti nacti, Pridana pridana = {})
        : kurzor_(kurzor), nacti_(std::move(nacti)), pridana_(std::move(pridana)) {}

    // A graph that could not be read is a FileError once; after it the master
    // is unavailable and its seats play as the computer player.
    bool dostupny() const { return !chybi_; }
    std::vector<Kandidat> vsechnyTahy(const GameState& s) { return tb::vsechnyTahy(s, slovnik()); }
    bool nejlepsiTah(const GameState& s, Kandidat& tah) {
        return tb::nejlepsiTah(s, slovnik(), tah);
    }

  private:
    SlovnikMistra slovnik();

    WordCursor& kurzor_;
    Nacti nacti_;
    Pridana pridana_;
    std::shared_ptr<const WordGraph> graf_;
    bool chybi_ = false;
    WordGraph grafPridanych_;
    std::vector<std::string> znamaPridana_;
};

}  // namespace tb
