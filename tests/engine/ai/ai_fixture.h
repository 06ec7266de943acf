#pragma once
// A board for the computer player's tests, and the candidate list as text.

#include <string>
#include <vector>

#include "engine/ai/computer_player.h"
#include "store/memory_word_store.h"
#include "support/board_setup.h"

namespace tb::test {

// "word x y H|V score" per candidate, in list order.
inline std::vector<std::string> seznam(const TAI& ai) {
    std::vector<std::string> out;
    for (int n = 1; n <= ai.PocetKandidatu; ++n) {
        const Kandidat& k = ai.Kandidati[n];
        out.push_back(k.Slovo + " " + std::to_string(k.X) + " " + std::to_string(k.Y) +
                      (k.Smer == 1 ? " H " : " V ") + std::to_string(k.Body));
    }
    return out;
}

}  // namespace tb::test
