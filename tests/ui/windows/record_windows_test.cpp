#include <gtest/gtest.h>

#include <numeric>

#include "engine/game/tiles.h"
#include "ui/windows/browse_window.h"
#include "ui/windows/letters_table_window.h"
#include "ui/windows/move_list_window.h"
#include "ui/windows/results_window.h"
#include "window_fixture.h"

namespace tb {
namespace {

using test::cp;
using Druh = RadekSeznamu::Druh;

TEST(MoveList, ColumnsArePaddedToTheirStops) {
    test::WindowsFixture f;
    TextPainter& tp = f.app.text();
    const Font font{"Verdana", 16, false, Rgb{255, 255, 255}};
    const std::vector<RadekSeznamu> rows{
        {Druh::Tah, {"12", "Eva", "pes(8,8) :3", "42", "1:16"}},
        {Druh::Bonus, {"13", "Jan", cp("Nevyužití všech písmen :   -7")}},
        {Druh::Prazdny, {}},
        {Druh::Skore, {"Eva", "...", "93"}},
        {Druh::Cas, {cp("                Celkový čas hry:0:28:35")}},
    };
    const auto lines = radkySeznamu(tp, font, rows);
    ASSERT_EQ(lines.size(), rows.size());
    // Each column starts at the first width past its stop: never before it,
    // and less than one space after it.
    const int mezera = tp.textWidth(font, " ");
    struct Stop {
        size_t row;
        const char* column;
        int stop;
    };
    const Stop stops[] = {{0, "Eva", 25},   {0, "pes", 110}, {0, "42", 346},
                          {0, "1:16", 390}, {1, "Jan", 25},  {1, "Nev", 110},
                          {3, "Eva", 80},   {3, "...", 200}, {3, "93", 300}};
    for (const Stop& s : stops) {
        const std::string& line = lines[s.row];
        const int x = tp.textWidth(font, line.substr(0, line.find(s.column)));
        EXPECT_GT(x, s.stop) << s.column;
        EXPECT_LE(x, s.stop + mezera + 1) << s.column;
    }
    EXPECT_EQ(lines[0].substr(0, 2), "12");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[4], rows[4].sloupce[0]);
}

int soucet(test::WindowsFixture& f) {
    int sum = 0;
    for (int k = 1; k <= kLetters; ++k) {
        const std::string c = f.text("Label" + std::to_string(k));
        sum += std::stoi(c.substr(c.rfind(' ') + 1));
    }
    return sum;
}

TEST(LettersTable, ShowsTheBagTheWholeSetAndThePoints) {
    test::WindowsFixture f;
    dejVsechnaPismena(f.s);
    for (int k = 1; k <= kTiles; ++k) f.s.Pytel[k] = kTiles + 1 - k;
    f.s.Vytazeno = 14;
    f.hraciPlocha();
    f.potom([&] {
        // The bag first: 83 tiles after 14 drawn.
        EXPECT_EQ(soucet(f), 83);
        EXPECT_EQ(f.text("Label1").substr(0, 5), "A .. ");
        f.najed("PBodyOFF");
        f.klikni("PBodyON");
    });
    f.potom([&] {
        EXPECT_EQ(f.text("Label1"), "A .. 1");
        EXPECT_EQ(f.text("Label38"), cp("Ž .. 4"));
        // The view on show: no sound, no change.
        f.najed("PBodyOFF");
        f.klikni("PBodyON");
        f.najed("PZakladOFF");
        f.klikni("PZakladON");
    });
    f.potom([&] {
        EXPECT_EQ(soucet(f), kTiles);
        EXPECT_EQ(f.text("Label1"), "A .. 6");
        EXPECT_EQ(f.text("Label2"), cp("Á .. 2"));
        f.najed("PZbytekOFF");
        f.klikni("PZbytekON");
    });
    f.potom([&] {
        EXPECT_EQ(soucet(f), 83);
        f.najed("PZavriOFF");
        f.klikni("PZavriON");
    });
    showLettersTable(f.ctx);
    EXPECT_EQ(f.zvuky, (std::vector<int>{1, 1, 1, 1}));
}

TEST(ResultsScreen, ShowsTheWinnerAndTellsWhetherToBrowse) {
    struct Case {
        Vysledek v;
        const char* videt;
        const char* tlacitko;
        bool prohlizet;
    };
    const Case cases[] = {
        {{VysledekObrazek::Win,
          0,
          cp("Jméno vítěze: Eva"),
          cp("Délka hry: 0:28:35"),
          {{1, 1, "Eva", 50, 0, 3}, {2, 2, "Jan", 40, 3, 0}}},
         "Win",
         "Prubeh",
         true},
        {{VysledekObrazek::Lost, 0, cp("Jméno vítěze: PC"), cp("Délka hry: 1:02:00"), {}},
         "Lost",
         "Konec",
         false},
        {{VysledekObrazek::WinPL, 3, cp("Jméno vítěze: Olga"), cp("Délka hry: 0:40:00"), {}},
         "WPL3",
         "Konec",
         false},
        {{VysledekObrazek::Remiza, 0, "", cp("Délka hry: 0:10:00"), {}}, "Remiza", "Prubeh", true},
    };
    for (const Case& k : cases) {
        test::WindowsFixture f;
        f.potom([&] {
            EXPECT_EQ(f.text("Label1"), k.v.radekVitez);
            EXPECT_EQ(f.text("Label2"), k.v.radekDelka);
            // The final table, row 2 the loser's penalty.
            if (!k.v.tabulka.empty()) {
                EXPECT_EQ(f.text("T2_3"), "-3");
            }
            for (const char* p : {"Win", "Lost", "Remiza", "WPL1", "WPL2", "WPL3", "WPL4"})
                EXPECT_EQ(f.svitiBy(p), std::string(p) == k.videt) << p;
            EXPECT_EQ(f.svitiBy("WinPL"), k.v.obrazek == VysledekObrazek::WinPL);
            f.najed(std::string(k.tlacitko) + "OFF");
            f.klikni(std::string(k.tlacitko) + "ON");
        });
        EXPECT_EQ(showResultsScreen(f.ctx, k.v), k.prohlizet) << k.videt;
        EXPECT_TRUE(f.zvuky.empty());
    }
}

TEST(BrowsePanels, BlockAllButTheStepsTheListsAndTheMenu) {
    Window form("GameForm");
    form.autoPaint = false;
    Control& next = form.add<Control>("NextOFF", Rect{911, 469, 45, 45});
    Control& back = form.add<Control>("BackOFF", Rect{860, 512, 50, 50});
    Control& tip = form.add<Control>("TipOFF", Rect{859, 591, 50, 20});
    Control& menu = form.add<Control>("MenuOFF", Rect{882, 616, 61, 20});
    std::vector<std::pair<int, int>> pohyby;
    ZapniProhlizeniPanely(form, [&](int x, int y) { pohyby.emplace_back(x, y); });
    EXPECT_EQ(form.controlAt(400, 400)->name, "Prohliz1");
    EXPECT_EQ(form.controlAt(930, 490)->name, "Prohliz2") << "Next lies under a blocker";
    EXPECT_EQ(form.controlAt(880, 530), &back);
    EXPECT_EQ(form.controlAt(880, 600)->name, "Prohliz3") << "the hint lies under a blocker";
    EXPECT_EQ(form.controlAt(900, 625), &menu);
    form.dispatch({EventKind::MouseMove, 900, 600});
    EXPECT_EQ(pohyby, (std::vector<std::pair<int, int>>{{900, 600}}));
    // A second browse reuses the blockers; switched off they take nothing.
    ZapniProhlizeniPanely(form, nullptr);
    EXPECT_EQ(form.controls().size(), 7u);
    VypniProhlizeniPanely(form);
    EXPECT_EQ(form.controlAt(930, 490), &next);
    EXPECT_EQ(form.controlAt(880, 600), &tip);
}

}  // namespace
}  // namespace tb
