#pragma once
// The menu's hand-over to the game screen: the reset before a new, loaded or
// viewed game, and the options of the new-game screen.

#include "engine/game/game_state.h"
#include "engine/saves/user_settings.h"

namespace tb {

// The state part of MainInit of the main menu: every tile off the racks, the
// board and the hand, racks and bag emptied, the counters cleared, the phase
// Menu. The screen hides the tile images and resets its captions itself.
void MainInitMenu(GameState& s);

// A person takes at least one of the seats in play.
bool hrajeClovek(const UserSettings& nast);

// Hands the new-game choices to the game. Returns false, having set only
// the options, when every seat in play is a computer seat (no game starts);
// otherwise makes the phase NewGame (the next game tick deals) and returns true.
bool PriradHodnoty(GameState& s, const UserSettings& nast);

}  // namespace tb
