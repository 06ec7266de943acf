#pragma once
// Boards for rule tests: words laid as fixed or new tiles, each letter taken
// from the next unused tile that carries it.

#include <array>
#include <stdexcept>
#include <string>

#include "engine/game/game_state.h"
#include "engine/game/tiles.h"

namespace tb::test {

class Deska {
  public:
    Deska() {
        dejVsechnaPismena(s);
        InitBodovanePole(s);
    }

    // Next unused tile of a letter (one code-page-1250 byte).
    int kamen(char pismeno) {
        const int kod = letterCodeOf(pismeno);
        if (kod == 0) throw std::invalid_argument("not a tile letter");
        const LetterInfo& li = letterInfo(kod);
        for (int t = li.prvni; t < li.prvni + li.pocet; ++t)
            if (!pouzit[t]) {
                pouzit[t] = true;
                return t;
            }
        throw std::invalid_argument("no tile of this letter left");
    }
    // Lays `slovo` from (x, y) to the right (vodorovne) or downwards.
    void pevne(int x, int y, bool vodorovne, const std::string& slovo) {
        poloz(x, y, vodorovne, slovo, true);
    }
    void nove(int x, int y, bool vodorovne, const std::string& slovo) {
        poloz(x, y, vodorovne, slovo, false);
    }
    // Fills rack slots of a seat with tiles of the given letters ('.' = empty).
    void stojan(int hrac, const std::string& pismena) {
        for (size_t i = 0; i < pismena.size() && i < kRack; ++i) {
            const int t = pismena[i] == '.' ? 0 : kamen(pismena[i]);
            s.Zasobnik[hrac][static_cast<int>(i) + 1] = t;
            if (t) s.Kameny[t].Vlastnik = hrac;
        }
    }

    GameState s;
    std::array<bool, kTiles + 1> pouzit{};

  private:
    void poloz(int x, int y, bool vodorovne, const std::string& slovo, bool pevny) {
        for (size_t i = 0; i < slovo.size(); ++i) {
            const int cx = vodorovne ? x + static_cast<int>(i) : x;
            const int cy = vodorovne ? y : y + static_cast<int>(i);
            const int t = kamen(slovo[i]);
            (pevny ? s.Pole[cx][cy].Pevny : s.Pole[cx][cy].Novy) = t;
            s.Kameny[t].Vlastnik = kNaBoard;
        }
    }
};

}  // namespace tb::test
