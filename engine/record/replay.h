#pragma once
// Stepping through the move record during play and after a game: each step
// loads a recorded position into the state and shows it. A step passes over
// positions where a computer seat is to move.

#include "engine/game/game_state.h"
#include "engine/game/game_ui.h"
#include "engine/record/move_record.h"

namespace tb {

// Shows record CisloTahu: loads it and puts every tile where it says.
// PrvniTah follows the board: set while no tile is fixed on it.
void PrehodTah(GameState& s, GameUi& ui, const TZapis& zapis);
int PrehodHraceVpred(const GameState& s, int hrac);
int PrehodHraceVzad(const GameState& s, int hrac);
// Records to step (0..4); 0 with tiles of the move on the board, then the
// refusal is shown when `hlasit`.
int TestZmenaTahuVzad(const GameState& s, GameUi& ui, bool hlasit);
int TestZmenaTahuVpred(const GameState& s, GameUi& ui, bool hlasit);
// The Back and forward buttons.
void ZpetClick(GameState& s, GameUi& ui, const TZapis& zapis);
void VpredClick(GameState& s, GameUi& ui, const TZapis& zapis);

}  // namespace tb
