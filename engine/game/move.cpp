#include "engine/game/move.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tb {
namespace {

bool hracVeHre(const GameState& s) {
    return s.NaTahu >= 1 && s.NaTahu <= kSeats;
}

bool volnePole(const GameState& s, int x, int y) {
    return x >= 1 && x <= kBoard && y >= 1 && y <= kBoard && s.Pole[x][y].Pevny == 0 &&
           s.Pole[x][y].Novy == 0;
}

std::string tile(int t) {
    return "tile " + std::to_string(t);
}

}  // namespace

std::vector<NovyKamen> noveKameny(const GameState& s) {
    std::vector<NovyKamen> kameny;
    for (int y = 1; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x)
            if (const int t = s.Pole[x][y].Novy) kameny.push_back({t, x, y});
    return kameny;
}

bool jeNovyKamen(const GameState& s) {
    return !noveKameny(s).empty();
}

int slotKamene(const GameState& s, int kamen) {
    if (!hracVeHre(s) || kamen == 0) return 0;
    for (int slot = 1; slot <= kRack; ++slot)
        if (s.Zasobnik[s.NaTahu][slot] == kamen) return slot;
    return 0;
}

int volnySlot(const GameState& s) {
    if (!hracVeHre(s)) return 0;
    for (int slot = 1; slot <= kRack; ++slot)
        if (s.Zasobnik[s.NaTahu][slot] == 0) return slot;
    return 0;
}

bool vezmi(GameState& s, int kamen) {
    if (s.VRuce.drzi() || kamen < 1 || kamen > kTiles) return false;
    if (const int slot = slotKamene(s, kamen)) {
        s.Zasobnik[s.NaTahu][slot] = 0;
    } else {
        const auto nove = noveKameny(s);
        const auto k = std::find_if(nove.begin(), nove.end(),
                                    [kamen](const NovyKamen& n) { return n.kamen == kamen; });
        if (k == nove.end()) return false;
        s.Pole[k->x][k->y].Novy = 0;
    }
    s.VRuce.kamen = kamen;
    return true;
}

bool polozNaPole(GameState& s, int x, int y) {
    if (!s.VRuce.drzi() || !volnePole(s, x, y)) return false;
    s.Pole[x][y].Novy = std::exchange(s.VRuce.kamen, 0);
    s.Kameny[s.Pole[x][y].Novy].Vlastnik = kNaBoard;
    return true;
}

bool polozDoSlotu(GameState& s, int slot) {
    if (!s.VRuce.drzi() || !hracVeHre(s) || slot < 1 || slot > kRack ||
        s.Zasobnik[s.NaTahu][slot] != 0)
        return false;
    s.Zasobnik[s.NaTahu][slot] = std::exchange(s.VRuce.kamen, 0);
    s.Kameny[s.Zasobnik[s.NaTahu][slot]].Vlastnik = s.NaTahu;
    return true;
}

bool polozZeSlotu(GameState& s, int slot, int x, int y) {
    if (s.VRuce.drzi() || !hracVeHre(s) || slot < 1 || slot > kRack || !volnePole(s, x, y))
        return false;
    return vezmi(s, s.Zasobnik[s.NaTahu][slot]) && polozNaPole(s, x, y);
}

int vratNaStojan(GameState& s, int x, int y) {
    if (x < 1 || x > kBoard || y < 1 || y > kBoard) return 0;
    const int t = s.Pole[x][y].Novy, slot = volnySlot(s);
    if (t == 0 || slot == 0) return 0;
    s.Pole[x][y].Novy = 0;
    s.Zasobnik[s.NaTahu][slot] = t;
    s.Kameny[t].Vlastnik = s.NaTahu;
    return slot;
}

std::string checkTiles(const GameState& s) {
    if (s.PocetHracu < 2 || s.PocetHracu > kSeats)
        return "PocetHracu " + std::to_string(s.PocetHracu);
    if (s.NaTahu < 1 || s.NaTahu > s.PocetHracu)
        return "NaTahu " + std::to_string(s.NaTahu) + " is no seat in play";
    if (s.Vytazeno < 0 || s.Vytazeno > kTiles) return "Vytazeno " + std::to_string(s.Vytazeno);
    // 0 in the bag, 1 drawn, 2 drawn and seen in play.
    std::array<int, kTiles + 1> misto{};
    const bool poradi = std::any_of(s.Pytel.begin() + 1, s.Pytel.end(), [](int t) { return t; });
    if (poradi) {
        std::array<bool, kTiles + 1> vPytli{};
        for (int i = 1; i <= kTiles; ++i) {
            const int t = s.Pytel[i];
            if (t < 1 || t > kTiles)
                return "bag position " + std::to_string(i) + " holds " + std::to_string(t);
            if (std::exchange(vPytli[t], true)) return "the bag holds " + tile(t) + " twice";
            if (i <= s.Vytazeno) misto[t] = 1;
        }
    } else {
        misto.fill(1);
    }
    std::string chyba;
    int venku = 0;
    auto vidim = [&](int t) {
        if (t == 0 || !chyba.empty()) return;
        if (t < 0 || t > kTiles) {
            chyba = "tile number " + std::to_string(t) + " out of range";
            return;
        }
        if (misto[t] == 2)
            chyba = tile(t) + " lies in two places";
        else if (misto[t] == 0)
            chyba = tile(t) + " is in play and in the bag";
        misto[t] = 2;
        ++venku;
    };
    for (int p = 1; p <= s.PocetHracu; ++p)
        for (int slot = 1; slot <= kRack; ++slot) vidim(s.Zasobnik[p][slot]);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) {
            const Policko& c = s.Pole[x][y];
            if (c.Pevny && c.Novy && chyba.empty())
                chyba = "a fixed and a new tile on square " + std::to_string(x) + "," +
                        std::to_string(y);
            vidim(c.Pevny);
            vidim(c.Novy);
        }
    vidim(s.VRuce.kamen);
    if (chyba.empty() && venku != s.Vytazeno)
        chyba = std::to_string(venku) + " tiles in play but " + std::to_string(s.Vytazeno) +
                " drawn from the bag";
    return chyba;
}

void hlidejKameny([[maybe_unused]] const GameState& s, [[maybe_unused]] const char* kde) {
#ifndef NDEBUG
    if (const std::string chyba = checkTiles(s); !chyba.empty()) {
        std::fprintf(stderr, "%s: %s\n", kde, chyba.c_str());
        std::abort();
    }
#endif
}

}  // namespace tb
