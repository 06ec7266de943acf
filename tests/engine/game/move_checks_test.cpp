#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "engine/game/hra.h"
#include "engine/game/placement_checker.h"
#include "files/file_lines.h"
#include "files/text.h"
#include "store/memory_word_store.h"
#include "support/board_setup.h"
#include "support/game_driver.h"
#include "support/game_fixture.h"
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

struct Slovo {
    int x, y;
    bool vodorovne;
    const char* pismena;
    bool pevne = false;
};

PlacementChecker zkontroluj(const std::vector<Slovo>& deska, int minPismen, int prvniTah) {
    test::Deska d;
    for (const Slovo& w : deska)
        (d.*(w.pevne ? &test::Deska::pevne : &test::Deska::nove))(w.x, w.y, w.vodorovne, w.pismena);
    PlacementChecker k;
    for (int y = 1; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x)
            k.setSquare(x, y, d.s.Pole[x][y].Pevny, d.s.Pole[x][y].Novy);
    k.setRules(minPismen, 0, uint8_t(prvniTah));
    k.markNeighbours();
    k.hasFault();
    return k;
}

TEST(Validator, RulesScanningOrderAndPrecedence) {
    const bool H = true, V = false;
    const Slovo pes{7, 8, H, "pes", true};
    const struct {
        const char* nazev;
        std::vector<Slovo> deska;
        int minPismen, prvniTah;
        const char* chyba;  // "kod word x,y zRadku"
    } pripady[] = {
        {"empty move", {pes}, 2, 0, "0  0,0 0"},
        {"lone first tile on the centre", {{8, 8, H, "a"}}, 2, 1, "1 a 8,8 0"},
        {"first word away from the centre", {{2, 2, H, "le"}}, 2, 1, "4 le 2,2 1"},
        {"first word through the centre", {{6, 8, H, "les"}}, 2, 1, "0  0,0 0"},
        {"word far from the fixed tiles", {pes, {1, 1, H, "le"}}, 2, 0, "3 le 1,1 1"},
        {"touching only diagonally", {{5, 5, H, "a", true}, {6, 6, H, "le"}}, 2, 0, "3 le 6,6 1"},
        {"touching from above", {{6, 5, H, "a", true}, {6, 6, H, "le"}}, 2, 0, "0  0,0 0"},
        {"perpendicular word too short", {pes, {7, 9, H, "a"}}, 3, 0, "2 pa 7,8 0"},
        {"extension long enough", {pes, {10, 8, H, "y"}}, 4, 0, "0  0,0 0"},
        {"column fault wins", {pes, {1, 1, H, "le"}, {15, 10, V, "ab"}}, 2, 0, "3 ab 15,10 0"},
        {"first fault in row order", {pes, {1, 5, H, "le"}, {1, 2, H, "ab"}}, 2, 0, "3 ab 1,2 1"},
        {"lone tile reported from the columns", {pes, {1, 1, H, "a"}}, 2, 0, "1 a 1,1 0"},
        {"run stops at the board edge", {{13, 8, H, "kos"}}, 2, 1, "4 kos 13,8 1"},
        {"run stops at the bottom edge", {{3, 14, V, "ty"}}, 2, 1, "4 ty 3,14 0"},
        {"two legal runs", {pes, {10, 8, H, "y"}, {7, 9, V, "al"}}, 2, 0, "0  0,0 0"},
    };
    for (const auto& p : pripady) {
        const PlacementChecker k = zkontroluj(p.deska, p.minPismen, p.prvniTah);
        EXPECT_EQ(std::to_string(k.kod()) + " " + k.slovo() + " " + std::to_string(k.x()) + "," +
                      std::to_string(k.y()) + " " + std::to_string(k.zRadku()),
                  p.chyba)
            << p.nazev;
    }
}

using test::HerniStul;
using test::polozPoCeste;

TEST(TahovyCyklus, GoingOutChargesTheRacksAndCreditsTheWinner) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(3)));
    t.start();
    // Near the end: the bag is empty, seat 1 holds one tile, seat 2 tiles worth 7.
    t.s.Vytazeno = kTiles;
    t.s.Zasobnik[1] = {0, 0, 0, 0, 0, 0, 0, 1};    // slot 7: "a"
    t.s.Zasobnik[2] = {0, 2, 9, 11, 49, 0, 0, 0};  // a, b, c, n: 1 + 2 + 3 + 1
    t.s.Pole[7][8].Pevny = 60;                     // "p" to lay against
    // The other 91 tiles lie on the board away from the move: rows 15..10, then 1.
    for (int k = 1, i = 0; k <= kTiles; ++k)
        if (k != 1 && k != 2 && k != 9 && k != 11 && k != 49 && k != 60) {
            t.s.Pole[i % kBoard + 1][i < 90 ? kBoard - i / kBoard : 1].Pevny = k;
            ++i;
        }
    t.s.PrvniTah = 0;
    t.s.Hraci[1].BodyCelkem = 30;
    t.s.Hraci[2].BodyCelkem = 40;
    t.s.SekundHry = 3725;
    t.tah(1);  // "pa"
    ASSERT_EQ(t.ui.vysledky.size(), 1u);
    EXPECT_EQ(t.ui.vysledky[0].wpl, 1);
    const std::string soubor = t.mainDat();
    const std::string konec = utf8ToCp1250(
        "2Nevyužití všech písmen :   -7\r\n\r\n1Využití všech písmen :     +7\r\n\r\n"
        "1:02:05\r\n39\r\n33\r\n");
    EXPECT_EQ(soubor.substr(soubor.size() - konec.size()), konec);
    EXPECT_EQ(splitLines(soubor).size(), 2u * 34 + 7);
}

// A failed record write still hands the move over, computer seats included,
// and is told, once even when something else breaks the move off.
TEST(TahovyCyklus, AFailedRecordWriteStillFinishesTheHandOverThenReports) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(8)));
    t.s.VolbaPC = {0, 0, 1};
    t.start();
    std::filesystem::remove_all(t.dir.path() / "Data");
    polozPoCeste(t.s, 3);
    EXPECT_THROW(t.hra.PrehazujClick(), FileError);
    EXPECT_EQ(t.s.NaTahu, 1);  // the computer seat has passed after the person's move
    EXPECT_EQ(t.s.CisloTahu, 3);
    std::filesystem::create_directories(t.dir.path() / "Data");
    EXPECT_NO_THROW(t.hra.PrehazujClick());

    struct Padajici : ComputerPlayer {
        void JedPC() override { throw std::runtime_error("search failed"); }
    } padajici;
    t.hra.setComputerPlayer(&padajici);
    std::filesystem::remove_all(t.dir.path() / "Data");
    polozPoCeste(t.s, 2);  // a word, or the passes would end the game
    try {
        t.hra.PrehazujClick();
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("search failed"), std::string::npos);
    }
    std::filesystem::create_directories(t.dir.path() / "Data");
    t.hra.setComputerPlayer(nullptr);
    EXPECT_NO_THROW(t.hra.PrehazujClick());
}

}  // namespace
}  // namespace tb
