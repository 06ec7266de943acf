#pragma once
// Moving the tiles of a move: the person's hand (picking a tile up, putting
// it down on a square or into a rack slot), laying a rack tile straight on a
// square as the computer does, lifting a tile of the move back to the rack;
// the tiles of the move; and the check that every tile is in one place.
// All of it works on the rack of the seat on move, NaTahu.

#include <string>
#include <vector>

#include "engine/game/game_state.h"

namespace tb {

// A tile laid on the board in this move.
struct NovyKamen {
    int kamen = 0, x = 0, y = 0;
    bool operator==(const NovyKamen&) const = default;
};

// The tiles of this move, row by row from the top, each row from the left.
std::vector<NovyKamen> noveKameny(const GameState& s);
// Whether a tile of this move lies on the board.
bool jeNovyKamen(const GameState& s);

// The slot of the rack of the seat on move that holds `kamen`, 0 if none does.
int slotKamene(const GameState& s, int kamen);
// The first empty slot of the rack of the seat on move, 0 if it is full.
int volnySlot(const GameState& s);

// Into the empty hand: a tile of the rack of the seat on move or a tile laid
// this move. False, and nothing moves, for any other tile or a full hand.
bool vezmi(GameState& s, int kamen);
// The tile in the hand onto the free square (x, y). False, and nothing
// moves, with an empty hand or a taken square.
bool polozNaPole(GameState& s, int x, int y);
// The tile in the hand into the empty rack slot `slot`. False, and nothing
// moves, with an empty hand or a taken slot.
bool polozDoSlotu(GameState& s, int slot);
// The tile of rack slot `slot` straight onto the free square (x, y), the
// hand staying empty. False, and nothing moves, when it cannot go there.
bool polozZeSlotu(GameState& s, int slot, int x, int y);
// The tile of this move on (x, y) back into the first empty rack slot.
// Returns the slot; 0, and nothing moves, when there is no such tile or room.
int vratNaStojan(GameState& s, int x, int y);

// Each of the 97 tiles lies in exactly one place: the undrawn part of the
// bag Pytel[Vytazeno+1..97], a rack slot of a seat in play, a square (fixed,
// or laid this move) or the hand; Pytel is an order of all 97 and the
// Vytazeno tiles drawn are those in play. A stored record being viewed has
// no bag order (Pytel all 0): then only the count of tiles in play is
// checked. Returns the first fault found, empty when there is none.
std::string checkTiles(const GameState& s);
// In a debug build (NDEBUG not defined) a fault of checkTiles stops the
// program, naming `kde`; otherwise nothing.
void hlidejKameny(const GameState& s, const char* kde);

}  // namespace tb
