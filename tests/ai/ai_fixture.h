#pragma once
// A game state with the tile table filled, and helpers that lay fixed words
// and fill racks by their letters, for the computer player's tests.

#include <array>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "core/tiles.h"
#include "dictionary/memory_word_store.h"

namespace tb::test {

class AiFixture {
  public:
    AiFixture() { dejVsechnaPismena(s); }

    // Takes an unused tile of the letter (one code-page-1250 byte).
    int tile(char c) {
        const LetterInfo& li = letterInfo(letterCodeOf(c));
        for (int t = li.prvni; t < li.prvni + li.pocet; ++t)
            if (!used[t]) {
                used[t] = true;
                return t;
            }
        return 0;
    }
    // Fixes a word on the board from (x, y), along the row or down the column.
    void fixed(int x, int y, bool vodorovne, const std::string& word) {
        for (char c : word) {
            s.Pole[x][y].Pevny = tile(c);
            s.Kameny[s.Pole[x][y].Pevny].Vlastnik = kNaBoard;
            vodorovne ? ++x : ++y;
        }
    }
    // Fills the rack of a seat slot by slot; '-' leaves a slot empty.
    void rack(int seat, const std::string& letters) {
        for (int i = 1; i <= kRack; ++i) {
            const char c = i <= static_cast<int>(letters.size()) ? letters[i - 1] : '-';
            s.Zasobnik[seat][i] = c == '-' ? 0 : tile(c);
            if (c != '-') s.Kameny[s.Zasobnik[seat][i]].Vlastnik = seat;
        }
    }
    // "word x y H|V score" per candidate, in list order.
    static std::vector<std::string> list(const TAI& ai) {
        std::vector<std::string> out;
        for (int n = 1; n <= ai.PocetKandidatu; ++n) {
            const Kandidat& k = ai.Kandidati[n];
            out.push_back(k.Slovo + " " + std::to_string(k.X) + " " + std::to_string(k.Y) +
                          (k.Smer == 1 ? " H " : " V ") + std::to_string(k.Body));
        }
        return out;
    }

    GameState s;
    std::array<bool, kTiles + 1> used{};
};

}  // namespace tb::test
