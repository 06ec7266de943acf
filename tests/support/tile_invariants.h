#pragma once
// Where every tile is: each of the 97 tiles lies in exactly one place — the
// undealt part of the bag, one rack slot of a seat in play, one board square
// (fixed or laid this move) or the player's hand. The checker answers with a
// description of the first fault, empty when the tiles are in order.

#include <array>
#include <string>
#include <vector>

#include "engine/game/game_state.h"

namespace tb::test {

// What the state says about the bag.
enum class Pytel {
    // A game at play: positions Vytazeno+1..97 of Pytel are the tiles in it.
    Poradi,
    // A stored record being viewed: a record keeps only how many tiles left
    // the bag, not their order, so only that count can be checked.
    JenPocet,
};

namespace detail {

// Visits every place a tile can be: f(tile, what, a, b).
template <class F>
void kazdeMisto(const GameState& s, Pytel pytel, F&& f) {
    for (int p = 1; p <= s.PocetHracu; ++p)
        for (int slot = 1; slot <= kRack; ++slot) f(s.Zasobnik[p][slot], "rack", p, slot);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) {
            f(s.Pole[x][y].Pevny, "fixed", x, y);
            f(s.Pole[x][y].Novy, "new", x, y);
        }
    if (s.Nese) f(s.DrzenyKamen, "hand", 0, 0);
    if (pytel == Pytel::Poradi)
        for (int i = s.Vytazeno + 1; i <= kTiles; ++i) f(s.Pytel[i], "bag", i, 0);
}

inline std::string popis(const char* co, int a, int b) {
    std::string s = co;
    if (a) s += " " + std::to_string(a);
    if (b) s += "," + std::to_string(b);
    return s;
}

// The rules that do not depend on counting.
inline std::string chybaStavu(const GameState& s) {
    if (s.PocetHracu < 2 || s.PocetHracu > kSeats)
        return "PocetHracu " + std::to_string(s.PocetHracu);
    if (s.Vytazeno < 0 || s.Vytazeno > kTiles) return "Vytazeno " + std::to_string(s.Vytazeno);
    if ((s.NaTahu == kNese) != (s.Nese != 0))
        return "NaTahu " + std::to_string(s.NaTahu) + " with Nese " + std::to_string(s.Nese);
    if (s.Nese && s.DrzenyKamen == 0) return "carrying no tile";
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (s.Pole[x][y].Pevny && s.Pole[x][y].Novy)
                return popis("fixed and new tile on square", x, y);
    return {};
}

}  // namespace detail

inline std::string chybaKamenu(const GameState& s, Pytel pytel = Pytel::Poradi) {
    if (std::string c = detail::chybaStavu(s); !c.empty()) return c;
    std::array<int, kTiles + 1> pocet{};
    bool mimo = false;
    detail::kazdeMisto(s, pytel, [&](int t, const char*, int, int) {
        if (t < 0 || t > kTiles)
            mimo = true;
        else
            ++pocet[t];
    });
    int venku = 0;  // tiles out of the bag
    bool dobre = !mimo;
    for (int t = 1; t <= kTiles; ++t) {
        venku += pocet[t] > 0;
        if (pocet[t] > 1 || (pocet[t] == 0 && pytel == Pytel::Poradi)) dobre = false;
    }
    if (pytel == Pytel::JenPocet && dobre && venku != s.Vytazeno)
        return std::to_string(venku) + " tiles out of the bag, Vytazeno " +
               std::to_string(s.Vytazeno);
    if (dobre) return {};

    // Only a fault pays for its description.
    std::array<std::vector<std::string>, kTiles + 1> kde{};
    std::string chyba;
    detail::kazdeMisto(s, pytel, [&](int t, const char* co, int a, int b) {
        if (t < 0 || t > kTiles) {
            if (chyba.empty())
                chyba = "tile number " + std::to_string(t) + " at " + detail::popis(co, a, b);
        } else if (t > 0) {
            kde[t].push_back(detail::popis(co, a, b));
        }
    });
    if (!chyba.empty()) return chyba;
    for (int t = 1; t <= kTiles; ++t) {
        if (kde[t].size() == 1 || (kde[t].empty() && pytel == Pytel::JenPocet)) continue;
        std::string m = "tile " + std::to_string(t) + (kde[t].empty() ? " is nowhere" : " at");
        for (const std::string& k : kde[t]) m += " [" + k + "]";
        return m;
    }
    return {};
}

}  // namespace tb::test
