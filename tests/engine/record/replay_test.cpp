#include "engine/record/replay.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

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

}  // namespace
}  // namespace tb
