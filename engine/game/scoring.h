#pragma once
// Scoring of an accepted move, while its tiles are still new.

#include "engine/game/board_runs.h"
#include "engine/game/game_state.h"

namespace tb {

// Points of one word on the board: letter premiums on their letters, then
// the word premiums multiplied together. Premiums count under old tiles too.
int bodyBehu(const GameState& s, const Beh& b);
// Scores every word of the move for NaTahu (BodyTah, BodyCelkem) and appends
// one entry per word to Rozpis: "pes(2,2) :6," in a row, "les(8,1):9," in a column.
void Oboduj(GameState& s);

}  // namespace tb
