#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "engine/game/hra.h"
#include "store/memory_word_store.h"
#include "support/board_setup.h"
#include "support/game_driver.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

struct Kontroly : ::testing::Test {
    Kontroly() : slovnik{"pes", "les", "kos"}, kurzor(slovnik.openCursor()) {
        d.s.NaTahu = 1;
        d.s.PrvniTah = 0;
        d.s.MinPismen = 2;
    }
    Hra hra() { return Hra(d.s, ui, rnd, *kurzor, zapis); }

    test::Deska d;
    test::HerniUi ui;
    test::ScriptedRandom rnd;
    MemoryWordStore slovnik;
    std::unique_ptr<WordCursor> kurzor;
    test::TempDir dir;
    TZapis zapis{FileRoot(dir.path())};
};

// However a dialog is left, the time limit is watched again; a dialog closed
// without a choice refuses the move as "correct it myself" does.
TEST_F(Kontroly, CorrectingItMyselfRefusesTheMoveAndWatchesTheLimitAgain) {
    d.pevne(7, 8, true, "pes");
    d.nove(1, 1, true, "ko");  // not connected
    d.s.HlidatLimit = 0;
    d.s.SLimitem = 1;  // and the time is up, which the box is told
    d.s.ZbyvaCasu = 0;
    ui.pravidlaOdpovedi = {DialogVolba::OpravimSam};
    EXPECT_FALSE(hra().Test());
    EXPECT_EQ(ui.pravidla.at(0).casVyprsel, 1);
    EXPECT_NE(d.s.Pole[1][1].Novy, 0);
    EXPECT_EQ(d.s.HlidatLimit, 1);
    ui.slovaOdpovedi = {DialogVolba::Zavreno};  // a word dialog closed without a choice
    EXPECT_FALSE(hra().SlovoExistuje());
    EXPECT_NE(d.s.Pole[1][1].Novy, 0);
}

TEST_F(Kontroly, TakingBackThroughAFixedTileReturnsOnlyNewTilesInOrder) {
    d.pevne(5, 8, true, "pes");
    d.stojan(1, ".a..b..");
    d.nove(5, 7, false, "k");
    d.nove(5, 9, false, "ol");  // column "kpol", second square fixed
    const int k = d.s.Pole[5][7].Novy, o = d.s.Pole[5][9].Novy, l = d.s.Pole[5][10].Novy;
    Hra h = hra();
    h.Oprav(5, 7, "kpol", false);
    EXPECT_EQ(std::tuple(d.s.Opakovat, d.s.Zasobnik[1][1], d.s.Zasobnik[1][3], d.s.Zasobnik[1][4],
                         d.s.Kameny[o].Vlastnik, d.s.Pole[5][7].Novy, d.s.Pole[5][9].Novy,
                         d.s.Pole[5][10].Novy),
              std::tuple(1, k, o, l, 1, 0, 0, 0));
    EXPECT_NE(d.s.Pole[5][8].Pevny, 0);

    d.s.Zasobnik[1][6] = d.kamen('c');  // the rack is full now: a tile has nowhere to go
    d.s.Zasobnik[1][7] = d.kamen('d');
    d.nove(6, 7, true, "m");
    h.Oprav(6, 7, "m", true);
    EXPECT_NE(d.s.Pole[6][7].Novy, 0);
}

TEST_F(Kontroly, ColumnWordReportedFirstAndAddedWordsPassTheRecheck) {
    d.pevne(7, 8, true, "pes");
    d.nove(2, 3, true, "ab");    // missing, row 3
    d.nove(10, 5, false, "ty");  // missing, column 10
    ui.slovaOdpovedi = {DialogVolba::PridatSlovo, DialogVolba::PridatSlovo};
    Hra h = hra();
    EXPECT_TRUE(h.SlovoExistuje());
    ASSERT_EQ(ui.slova.size(), 2u);
    const auto& ty = ui.slova[0];
    EXPECT_EQ(std::tuple(ty.slovo, ty.x, ty.y, int(ty.vodorovne)), std::tuple("ty", 10, 5, 0));
    EXPECT_EQ(ui.slova[1].slovo, "ab");
    EXPECT_TRUE(slovnik.words().count("ty") && slovnik.words().count("ab"));
}

TEST_F(Kontroly, ExtendedWordIsCheckedWholeFromItsFirstFixedLetter) {
    d.pevne(7, 8, true, "pes");
    d.nove(10, 8, true, "y");
    d.s.SLimitem = 1;
    d.s.ZbyvaCasu = 0;
    Hra h = hra();
    EXPECT_FALSE(h.existuje());
    EXPECT_EQ(std::tuple(d.s.ChybneSlovo, d.s.ChybaX, d.s.ChybaY), std::tuple("pesy", 7, 8));

    ui.slovaOdpovedi = {DialogVolba::VzitZpet};
    EXPECT_TRUE(h.SlovoExistuje());
    ASSERT_EQ(ui.slova.size(), 1u);
    EXPECT_EQ(ui.slova[0].casVyprsel, 1);
    EXPECT_EQ(d.s.Pole[10][8].Novy, 0);
}

}  // namespace
}  // namespace tb
