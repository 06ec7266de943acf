// The moves of the hand and the rack keep every tile in one place, and the
// tile check names each way a tile can be lost or doubled.

#include "engine/game/move.h"

#include <gtest/gtest.h>

#include <functional>

namespace tb {
namespace {

// Two seats dealt from the bag 1..97 in order, tile 15 fixed on (8,8),
// seat 1 on move.
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

TEST(Move, MovesKeepTheTilesAndTheCheckNamesEachFault) {
    struct Pripad {
        const char* co;
        std::function<void(GameState&)> zmen;
        const char* chyba;  // "" for none
    };
    const Pripad pripady[] = {
        {"dealt", [](GameState&) {}, ""},
        {"laid from the rack, lifted back into the first empty slot",
         [](GameState& s) {
             EXPECT_TRUE(polozZeSlotu(s, 3, 9, 8) && polozZeSlotu(s, 5, 10, 8));
             EXPECT_EQ(vratNaStojan(s, 10, 8), 3);
         },
         ""},
        {"carried from the board, refused by a taken square",
         [](GameState& s) {
             EXPECT_TRUE(polozZeSlotu(s, 3, 9, 8) && vezmi(s, 3));
             EXPECT_FALSE(polozNaPole(s, 8, 8) || vezmi(s, 4));
         },
         ""},
        {"neither another seat's tile nor a fixed one is picked up",
         [](GameState& s) { EXPECT_FALSE(vezmi(s, 8) || vezmi(s, 15)); }, ""},
        {"in the hand and on the rack", [](GameState& s) { s.VRuce.kamen = 2; },
         "tile 2 lies in two places"},
        {"doubled on the board", [](GameState& s) { s.Pole[1][1].Novy = 3; },
         "tile 3 lies in two places"},
        {"lost from a rack", [](GameState& s) { s.Zasobnik[1][2] = 0; },
         "14 tiles in play but 15 drawn from the bag"},
        {"dealt and still in the bag", [](GameState& s) { s.Vytazeno = 14; },
         "tile 15 is in play and in the bag"},
        {"twice in the bag", [](GameState& s) { s.Pytel[97] = 96; }, "the bag holds tile 96 twice"},
        {"fixed and new on a square", [](GameState& s) { s.Pole[8][8].Novy = 16; },
         "a fixed and a new tile on square 8,8"},
        {"the seat on move not in play", [](GameState& s) { s.NaTahu = 3; },
         "NaTahu 3 is no seat in play"},
        {"a seat out of play holds nothing that counts", [](GameState& s) { s.Zasobnik[3][1] = 1; },
         ""},
        {"a number past the tiles", [](GameState& s) { s.Zasobnik[2][7] = 98; },
         "tile number 98 out of range"},
        {"viewed record: no bag order", [](GameState& s) { s.Pytel = {}; }, ""},
        {"viewed record: count differs",
         [](GameState& s) {
             s.Pytel = {};
             s.Vytazeno = 20;
         },
         "15 tiles in play but 20 drawn from the bag"},
        {"viewed record: doubled",
         [](GameState& s) {
             s.Pytel = {};
             s.Zasobnik[2][2] = 1;
         },
         "tile 1 lies in two places"},
    };
    for (const Pripad& p : pripady) {
        GameState s = rozdano();
        p.zmen(s);
        EXPECT_EQ(checkTiles(s), p.chyba) << p.co;
    }
}

}  // namespace
}  // namespace tb
