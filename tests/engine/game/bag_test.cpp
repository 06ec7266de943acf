#include "engine/game/bag.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/game/tiles.h"
#include "support/fakes.h"

namespace tb {
namespace {

using test::RecordingUi;
using test::ScriptedRandom;

GameState shuffled(uint64_t seed) {
    GameState s;
    dejVsechnaPismena(s);
    Nahoda rnd(seed);
    michej(s, rnd);
    return s;
}

// The returned tile goes into the bag at the drawn place, so the tiles out
// of the bag stay exactly Pytel[1..Vytazeno].
TEST(Bag, ExchangeSwapsTheTileWithTheDrawnPlaceInTheBag) {
    struct Case {
        int vytazeno;
        int draw;  // scripted random value
    };
    for (const Case c : {Case{14, 0}, Case{14, 50}, Case{60, 36}, Case{96, 0}}) {
        GameState s = shuffled(11);
        s.NaTahu = 1;
        s.Vytazeno = c.vytazeno;
        for (int k = 1; k <= kRack; ++k) s.Zasobnik[1][k] = s.Pytel[c.vytazeno - 7 + k];
        const int returned = s.Zasobnik[1][3];
        const int d = c.draw % (kTiles - c.vytazeno) + c.vytazeno + 1;
        const int expectedNew = s.Pytel[d];
        ScriptedRandom rnd({c.draw});
        RecordingUi ui;
        EXPECT_EQ(vymenKamen(s, rnd, ui, 3), expectedNew);
        EXPECT_EQ(s.Zasobnik[1][3], expectedNew);
        EXPECT_EQ(s.Pytel[d], returned);
        EXPECT_EQ(s.Vytazeno, c.vytazeno);
        EXPECT_EQ(std::set<int>(s.Pytel.begin() + 1, s.Pytel.end()).size(), size_t(kTiles));
    }
    GameState s = shuffled(5);
    s.NaTahu = 1;
    s.Vytazeno = 97;
    s.Zasobnik[1][1] = s.Pytel[1];
    ScriptedRandom rnd;
    RecordingUi ui;
    EXPECT_THROW(vymenKamen(s, rnd, ui, 1), std::logic_error);  // an empty bag
    s.Vytazeno = 20;
    EXPECT_THROW(vymenKamen(s, rnd, ui, 2), std::logic_error);  // an empty slot
}

}  // namespace
}  // namespace tb
