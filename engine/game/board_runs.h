#pragma once
// The runs of tiles that a move forms: every row and column stretch of
// touching tiles that holds at least one tile of the current move. The word
// check, the scoring and the validator all find words this one way.

#include <functional>
#include <string>
#include <vector>

#include "engine/game/game_state.h"

namespace tb {

struct Beh {
    int x = 0;  // first cell: leftmost in a row, topmost in a column
    int y = 0;
    bool vodorovne = true;
    int delka = 0;
    int cx(int i) const { return vodorovne ? x + i : x; }  // cell i, 0-based
    int cy(int i) const { return vodorovne ? y : y + i; }
};

// Tile number on cell (x, y), 0 = none.
using CteniPole = std::function<int(int x, int y)>;

// Rows top to bottom, cells left to right (columns: left to right, top to
// bottom). A run starts at a new tile, reaches back over fixed tiles and on
// over any tile; the scan goes on after the run. Runs of one tile included.
std::vector<Beh> najdiBehy(bool vodorovne, const CteniPole& pevny, const CteniPole& novy);
// The same on the board of the game.
std::vector<Beh> behyTahu(const GameState& s, bool vodorovne);
// The tile on a board cell: the fixed one, else the new one.
int kamenNa(const GameState& s, int x, int y);
// Letters of a run on the board, read left to right or downwards.
std::string pismenaBehu(const GameState& s, const Beh& b);

}  // namespace tb
