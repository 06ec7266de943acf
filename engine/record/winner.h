#pragma once
// The winner of a finished game and what the results screen shows.

#include <string>

#include "engine/game/game_state.h"
#include "engine/game/game_ui.h"

namespace tb {

// Winner among three or four totals, 0 when any two totals are equal.
int Serad3(int t1, int t2, int t3);
int Serad4(int t1, int t2, int t3, int t4);
// The picture and the two lines of the results screen; `casCelkem` is the
// game clock caption.
Vysledek vysledekHry(const GameState& s, const std::string& casCelkem);
// The final table: every seat with its score, its penalty and bonus, best
// first (seats of equal score in seat order, sharing the place).
std::vector<RadekVysledku> tabulkaVysledku(const GameState& s, const Arr1<int, kSeats>& srazky,
                                           const Arr1<int, kSeats>& bonusy);

}  // namespace tb
