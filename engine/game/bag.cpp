#include "engine/game/bag.h"

#include <stdexcept>

namespace tb {

void michej(GameState& s, Random& rnd) {
    rnd.Randomize();
    for (int t = 1; t <= kTiles; ++t) {
        int p;
        do {
            p = rnd.random(kTiles) + 1;
        } while (s.Pytel[p] != 0);
        s.Pytel[p] = t;
    }
}

void dalsi(GameState& s, GameUi& ui) {
    auto& rack = s.Zasobnik[s.NaTahu];
    for (int slot = 1; slot <= kRack; ++slot) {
        if (nahranaHra(s)) {
            if (rack[slot] != 0) ui.ukazVeSlotu(s.NaTahu, slot, rack[slot]);
        } else if (rack[slot] == 0 && s.Vytazeno < kTiles) {
            ++s.Vytazeno;
            const int tile = s.Pytel[s.Vytazeno];
            rack[slot] = tile;
            s.Kameny[tile].Vlastnik = s.NaTahu;
            ui.ukazPrichod(s.NaTahu, slot, tile);
        }
        if (rack[slot] != 0) s.Kameny[rack[slot]].Aktivni = false;
    }
}

int vymenKamen(GameState& s, Random& rnd, GameUi& ui, int slot) {
    auto& rack = s.Zasobnik[s.NaTahu];
    const int r = rack[slot];
    if (r == 0 || s.Vytazeno >= kTiles)
        throw std::logic_error("exchange of an empty slot or from an empty bag");
    int q = 0;
    for (int p = 1; p <= s.Vytazeno && q == 0; ++p)
        if (s.Pytel[p] == r) q = p;
    if (q == 0) throw std::logic_error("exchanged tile is not among the dealt tiles");

    rack[slot] = 0;
    const int d = rnd.random(kTiles - s.Vytazeno) + s.Vytazeno + 1;
    s.Pytel[q] = s.Pytel[d];
    rack[slot] = s.Pytel[d];
    s.Pytel[d] = r;
    ui.ukazPrichod(s.NaTahu, slot, rack[slot]);
    return rack[slot];
}

}  // namespace tb
