#pragma once
// The letters table: for each of the 38 letters the tiles left in the bag,
// the tiles of the whole set, or the points of one tile.

#include <array>
#include <string>

#include "engine/game/game_state.h"

namespace tb {

enum class PohledPaB { Zaklad = 1, Body = 2, Zbytek = 3 };

using Pocty = std::array<int, kLetters + 1>;  // by letter code, 1-based

// Counts one tile under its letter; an empty bag slot (0) counts nothing.
void ZvysPocty(Pocty& pocty, int tile);
// Counts the tiles of bag positions od..97.
Pocty ZjistiPocty(const GameState& s, int od);
// Label k's caption ("A .. ", code page 1250) without its number.
std::string popisekPismene(int kod);
// The 38 labels of a view, e.g. "A .. 6" (index 0 unused).
std::array<std::string, kLetters + 1> popiskyPaB(const GameState& s, PohledPaB pohled);

}  // namespace tb
