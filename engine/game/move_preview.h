#pragma once
// What the next-move button would make of the move as it lies: its words
// with their points, or the first rule it breaks, or the first word the
// dictionary lacks. Reads the board only; no dialog opens and nothing moves.

#include <optional>
#include <string>
#include <vector>

#include "engine/game/board_runs.h"
#include "engine/game/game_state.h"
#include "engine/game/word_store.h"

namespace tb {

struct NahledTahu {
    enum class Druh { Prazdny, Platny, Pravidlo, Nezname };
    Druh druh = Druh::Prazdny;  // Prazdny: no tile of this move lies on the board
    // Platny: the words as the record keeps them ("gala(6,8):13,"), their points.
    std::string rozpis;
    std::vector<std::pair<std::string, int>> slova;
    int body = 0;
    // Pravidlo: the rule error's code (1..4) and its run; Nezname: the word.
    int kod = 0;
    std::string slovo;
};

// The word the dictionary check reports first: the first unknown word of the
// columns, else of the rows (both are scanned, the columns win).
std::optional<Beh> prvniNezname(const GameState& s, WordCursor& slovnik);
NahledTahu nahledTahu(const GameState& s, WordCursor& slovnik);

}  // namespace tb
