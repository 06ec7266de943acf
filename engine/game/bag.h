#pragma once
// The letter bag: shuffled once per game into Pytel and dealt strictly from
// the front; Vytazeno marks how far dealing has gone.

#include "engine/game/game_state.h"
#include "engine/game/game_ui.h"
#include "engine/game/random.h"

namespace tb {

// Fills Pytel (all zeros on entry) with a random permutation of 1..97.
void michej(GameState& s, Random& rnd);
// Refills the rack of NaTahu from the bag, slot by slot, in place.
void dalsi(GameState& s, GameUi& ui);
// Returns the tile of rack slot `slot` of NaTahu to a random place among the
// tiles still in the bag and deals the tile found there into the slot.
// The bag must not be empty. Returns the new tile.
int vymenKamen(GameState& s, Random& rnd, GameUi& ui, int slot);

}  // namespace tb
