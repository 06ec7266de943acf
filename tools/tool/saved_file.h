#pragma once
// A saved-game slot file given by its path, loaded as the game loads a slot.

#include <filesystem>

#include "engine/game/game_state.h"
#include "engine/saves/saved_game.h"

namespace tb::tool {

// Checks the whole file and sets the state up for the game to resume (the
// tile table filled, the fixed tiles marked on the board). Throws FileError
// naming the file; the state is then untouched.
SavedGame nactiUlozenouHru(const std::filesystem::path& soubor, GameState& s);

}  // namespace tb::tool
