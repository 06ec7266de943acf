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

TEST(Prehravani, TilesOfTheMoveOnTheBoardRefuseEveryStep) {
    GameState s;
    s.CisloTahu = 3;
    s.PosledniTah = 5;
    s.Pole[4][4].Novy = 7;
    test::HerniUi ui;
    EXPECT_EQ(TestZmenaTahuVzad(s, ui, false), 0);
    EXPECT_EQ(ui.vymenaOdmitnuta, 0);
    EXPECT_EQ(TestZmenaTahuVpred(s, ui, true), 0);
    EXPECT_EQ(ui.vymenaOdmitnuta, 1);
}

TEST(Prehravani, BackAgainstAComputerLoadsTwoRecordsAndPlayGoesOnFromThere) {
    test::HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(11)));
    t.s.VolbaPC = {0, 0, 1};
    t.start();
    t.tah(3);
    t.tah(2);
    const GameState poPrvnim = [&] {
        GameState kopie = t.s;
        kopie.CisloTahu = 3;
        t.zapis.InitTah(kopie);
        return kopie;
    }();
    t.tah(2);
    ASSERT_EQ(t.s.CisloTahu, 7);
    t.ui.calls.clear();
    ZpetClick(t.s, t.ui, t.zapis);
    EXPECT_EQ(t.s.CisloTahu, 5);
    EXPECT_EQ(std::count(t.ui.calls.begin(), t.ui.calls.end(), "zvuk 1"), 2);
    ZpetClick(t.s, t.ui, t.zapis);
    EXPECT_EQ(t.s.CisloTahu, 3);
    EXPECT_EQ(zaznamText(t.s), zaznamText(poPrvnim));
    EXPECT_EQ(t.s.PrvniTah, 0);
    ZpetClick(t.s, t.ui, t.zapis);
    EXPECT_EQ(t.s.CisloTahu, 1);
    EXPECT_EQ(t.s.PrvniTah, 1);

    VpredClick(t.s, t.ui, t.zapis);
    EXPECT_EQ(t.s.CisloTahu, 3);
    t.tah(1);  // play on: the records after 3 are replaced
    EXPECT_EQ(t.s.CisloTahu, 5);
    EXPECT_EQ(t.s.PosledniTah, 5);
    EXPECT_EQ(t.zapis.radky().size(), 5u * 34);
    EXPECT_EQ(TestZmenaTahuVpred(t.s, t.ui, true), 0);
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

TEST(Prehravani, ABadRecordLeavesThePositionAsItWas) {
    test::HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(12)));
    t.start();
    t.tah(3);
    auto radky = t.zapis.radky();
    radky[5] = "x";  // record 1, bag position
    std::string text;
    for (const auto& r : radky) text += r + "\r\n";
    writeFileAtomic(t.zapis.mainDat(), text);
    const std::string pred = zaznamText(t.s);
    EXPECT_THROW(ZpetClick(t.s, t.ui, t.zapis), FileError);
    EXPECT_EQ(t.s.CisloTahu, 2);
    EXPECT_EQ(zaznamText(t.s), pred);
}

}  // namespace
}  // namespace tb
