// The tile checker the soak and the end-to-end tests rely on: it must pass a
// sound position and name each way a tile can be lost or doubled.

#include "support/tile_invariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace tb::test {
namespace {

// Two seats dealt from the bag 1..97 in order, tile 15 laid on (8,8).
GameState rozdano() {
    GameState s;
    s.PocetHracu = 2;
    for (int i = 1; i <= kTiles; ++i) s.Pytel[i] = i;
    for (int slot = 1; slot <= kRack; ++slot) {
        s.Zasobnik[1][slot] = slot;
        s.Zasobnik[2][slot] = 7 + slot;
    }
    s.Pole[8][8].Pevny = 15;
    s.Vytazeno = 15;
    return s;
}

TEST(TileInvariants, NamesEachFault) {
    struct Pripad {
        const char* co;
        std::function<void(GameState&)> zmen;
        Pytel pytel;
        const char* chyba;  // start of the description, "" for none
    };
    const Pripad pripady[] = {
        {"dealt", [](GameState&) {}, Pytel::Poradi, ""},
        {"laid this move", [](GameState& s) { std::swap(s.Pole[9][8].Novy, s.Zasobnik[1][3]); },
         Pytel::Poradi, ""},
        {"carried",
         [](GameState& s) {
             s.DrzenyKamen = std::exchange(s.Zasobnik[2][1], 0);
             s.Nese = 1;
             s.UlozenyHrac = s.NaTahu;
             s.NaTahu = kNese;
         },
         Pytel::Poradi, ""},
        {"doubled on the board", [](GameState& s) { s.Pole[1][1].Novy = 3; }, Pytel::Poradi,
         "tile 3 at [rack 1,3] [new 1,1]"},
        {"lost from a rack", [](GameState& s) { s.Zasobnik[1][2] = 0; }, Pytel::Poradi,
         "tile 2 is nowhere"},
        {"dealt and still in the bag", [](GameState& s) { s.Vytazeno = 14; }, Pytel::Poradi,
         "tile 15 at [fixed 8,8] [bag 15]"},
        {"fixed and new on a square", [](GameState& s) { s.Pole[8][8].Novy = 16; }, Pytel::Poradi,
         "fixed and new tile on square 8,8"},
        {"hand without carrying", [](GameState& s) { s.NaTahu = kNese; }, Pytel::Poradi,
         "NaTahu 5 with Nese 0"},
        {"a seat out of play holds nothing that counts", [](GameState& s) { s.Zasobnik[3][1] = 1; },
         Pytel::Poradi, ""},
        {"a number past the tiles", [](GameState& s) { s.Zasobnik[2][7] = 98; }, Pytel::Poradi,
         "tile number 98 at rack 2,7"},
        {"viewed record: count only", [](GameState& s) { s.Pytel = {}; }, Pytel::JenPocet, ""},
        {"viewed record: count differs", [](GameState& s) { s.Vytazeno = 20; }, Pytel::JenPocet,
         "15 tiles out of the bag, Vytazeno 20"},
        {"viewed record: doubled", [](GameState& s) { s.Zasobnik[2][2] = 1; }, Pytel::JenPocet,
         "tile 1 at [rack 1,1] [rack 2,2]"},
    };
    for (const Pripad& p : pripady) {
        GameState s = rozdano();
        p.zmen(s);
        EXPECT_EQ(chybaKamenu(s, p.pytel).rfind(p.chyba, 0), 0u)
            << p.co << ": " << chybaKamenu(s, p.pytel);
        if (!*p.chyba) {
            EXPECT_EQ(chybaKamenu(s, p.pytel), "") << p.co;
        }
    }
}

}  // namespace
}  // namespace tb::test
