#pragma once
// Invariants of a game in progress, checked after every move of a self-play
// game (with the tiles' own check, checkTiles). Each returns an empty text
// when it holds, else what is broken.

#include <string>
#include <vector>

#include "engine/game/game_state.h"
#include "engine/record/move_record.h"

namespace tb::tool {

// Points of one move description: the number after each ':' of a word entry
// ("pes(5,8) :12,"); an exchange ("Výměna:a,ř,") and a pass score nothing.
int bodyRozpisu(const std::string& rozpis);
// Each seat's total equals the points of its recorded moves, plus the
// penalties and bonus of the closing section once the game is over.
std::string kontrolaBodu(const GameState& s, const std::vector<std::string>& radky);
// The record just written loads back into the same racks, board and scores.
std::string kontrolaZaznamu(const GameState& s, const TZapis& zapis);

}  // namespace tb::tool
