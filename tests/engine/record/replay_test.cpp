#include "engine/record/replay.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <set>
#include <vector>

#include "engine/record/move_record.h"
#include "support/board_setup.h"
#include "support/game_fixture.h"

namespace tb {
namespace {

struct Kroky {
    const char* nazev;
    int hracu;
    std::array<int, 5> pc;
    int naTahu, cislo, posledni;  // naTahu < 0: that seat carries a tile
    int zpet, vpred;
};

TEST(Prehravani, StepSizesPassOverComputerSeats) {
    const std::vector<Kroky> pripady = {
        {"person and computer, back from 7", 2, {0, 0, 1}, 1, 7, 7, 2, 0},
        {"person and computer, 2 is too early", 2, {0, 0, 1}, 1, 2, 9, 0, 2},
        {"person and computer, both ways", 2, {0, 0, 1}, 1, 3, 9, 2, 2},
        {"three computers before the person", 4, {0, 0, 1, 1, 1}, 1, 9, 9, 4, 0},
        {"four records needed", 4, {0, 0, 1, 1, 1}, 1, 4, 8, 0, 4},
        {"all people", 4, {0, 0, 0, 0, 0}, 3, 5, 6, 1, 1},
        {"people around one computer", 3, {0, 0, 1, 0}, 1, 5, 9, 1, 2},
        {"at the first record", 2, {0, 0, 0}, 1, 1, 1, 0, 0},
        {"a tile in the hand", 2, {0, 0, 0}, -1, 3, 5, 0, 0},
    };
    for (const Kroky& k : pripady) {
        SCOPED_TRACE(k.nazev);
        GameState s;
        s.PocetHracu = k.hracu;
        for (int p = 1; p <= kSeats; ++p) s.Hraci[p].JePC = k.pc[p];
        s.NaTahu = std::abs(k.naTahu);
        s.VRuce.kamen = k.naTahu < 0 ? 1 : 0;
        s.CisloTahu = k.cislo;
        s.PosledniTah = k.posledni;
        test::HerniUi ui;
        EXPECT_EQ(TestZmenaTahuVzad(s, ui, true), k.zpet);
        EXPECT_EQ(TestZmenaTahuVpred(s, ui, true), k.vpred);
        EXPECT_EQ(ui.vymenaOdmitnuta, 0);
    }
}

TEST(Prehravani, BackToAnEmptyBoardAfterPassesWaitsForTheFirstWordAgain) {
    test::HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(13)));
    t.start();
    t.hra.PrehazujClick();
    t.hra.PrehazujClick();
    t.tah(3);
    ASSERT_EQ(t.s.CisloTahu, 4);
    ZpetClick(t.s, t.ui, t.zapis);
    EXPECT_EQ(t.s.CisloTahu, 3);
    EXPECT_EQ(t.s.PrvniTah, 1);
    t.tah(2);
    EXPECT_TRUE(t.ui.pravidla.empty());
    EXPECT_EQ(t.s.CisloTahu, 4);
}

TEST(Pytel, LoadedPositionOwnsExactlyTheDealtPartOfTheBag) {
    test::Deska d;
    GameState& s = d.s;
    s.PocetHracu = 2;
    for (int t = 1; t <= kTiles; ++t) s.Pytel[t] = t;
    s.Vytazeno = 14;
    // Racks hold 1..6, 8..14 and 50 (as after an exchange of 7 for 50, stepped back wrongly).
    for (int i = 1; i <= 7; ++i) s.Zasobnik[1][i] = i == 7 ? 50 : i, s.Zasobnik[2][i] = 7 + i;
    srovnejPytel(s);
    EXPECT_EQ(std::set<int>(s.Pytel.begin() + 1, s.Pytel.begin() + 15),
              (std::set<int>{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 50}));
    EXPECT_EQ(std::set<int>(s.Pytel.begin() + 1, s.Pytel.end()).size(), size_t(kTiles));
}

}  // namespace
}  // namespace tb
