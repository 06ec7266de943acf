#pragma once
// Scoring of an accepted move, while its tiles are still new.

#include <string>
#include <vector>

#include "engine/game/board_runs.h"
#include "engine/game/game_state.h"

namespace tb {

// Points of one word on the board: letter premiums on their letters, then
// the word premiums multiplied together. Premiums count under old tiles too.
int bodyBehu(const GameState& s, const Beh& b);
// One scored word of the move: its run, letters and points.
struct SlovoTahu {
    Beh beh;
    std::string text;
    int body = 0;
};
// The words of the move in the order they are scored (rows, then columns).
std::vector<SlovoTahu> slovaTahu(const GameState& s);
// The entry of one word in the move description.
std::string zapisSlova(const SlovoTahu& w);
// Scores every word of the move for NaTahu (BodyTah, BodyCelkem) and appends
// one entry per word to Rozpis: "pes(2,2) :6," in a row, "les(8,1):9," in a column.
void Oboduj(GameState& s);

}  // namespace tb
