#include "engine/game/menu_reset.h"

#include <gtest/gtest.h>

#include "saved_game_fixture.h"

namespace tb {
namespace {

UserSettings volby(int hracu, Arr1<int32_t, kSeats> pc, int limit) {
    UserSettings n;
    n.NastHracu = hracu;
    n.NastMinPismen = 4;
    n.NastLimit = limit;
    n.NastPC = pc;
    n.MJmeno = {"", "Hrac1", "PC2", "Hrac3", "Eva"};
    return n;
}

TEST(MenuReset, MainInitEmptiesRacksBagAndCounters) {
    GameState s = test::rozehranaHra(4);
    s.Faze = Phase::Browse;
    s.PocetVzdani = 3;
    MainInitMenu(s);
    for (int n = 1; n <= kTiles; ++n) EXPECT_EQ(s.Kameny[n].Vlastnik, 0);
    EXPECT_EQ(s.Zasobnik[3], (Arr1<int32_t, kRack>{}));
    EXPECT_EQ(s.Pytel, (Arr1<int32_t, kTiles>{}));
    EXPECT_EQ(s.CisloTahu + s.PosledniTah + s.PocetVzdani, 0);
    EXPECT_EQ(s.Faze, Phase::Menu);
}

TEST(MenuReset, PriradHodnotyNeedsAPersonInPlay) {
    const struct {
        int hracu;
        Arr1<int32_t, kSeats> pc;
        bool starts;
    } cases[] = {
        {2, {0, 1, 1, 0, 0}, false},  // persons only outside the game
        {3, {0, 1, 1, 1, 0}, false},
        {3, {0, 1, 1, 0, 1}, true},
        {4, {0, 1, 1, 1, 0}, true},
    };
    for (const auto& c : cases) {
        GameState s;
        s.Faze = Phase::Menu;
        EXPECT_EQ(PriradHodnoty(s, volby(c.hracu, c.pc, 0)), c.starts);
        EXPECT_EQ(s.Faze, c.starts ? Phase::NewGame : Phase::Menu);
        EXPECT_EQ(s.PocetHracu, c.hracu);
        EXPECT_EQ(s.VolbaPC[2], 1);
    }
    GameState s;
    PriradHodnoty(s, volby(3, {0, 0, 1, 0, 0}, 150));
    EXPECT_EQ(s.Hraci[4].Jmeno, "Eva");  // all four names, whatever the count
    EXPECT_EQ(s.MinPismen, 4);
    EXPECT_EQ(s.SLimitem, 1);
    EXPECT_EQ(s.LimitTahu, 150);
    PriradHodnoty(s, volby(3, {0, 0, 1, 0, 0}, 0));
    EXPECT_EQ(s.SLimitem, 0);
    EXPECT_EQ(s.LimitTahu, 0);
}

}  // namespace
}  // namespace tb
