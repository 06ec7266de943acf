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

// Each column at its stop: a long name is cut short, the scores stand under their heads.
TEST(MoveList, ColumnsStartAtTheirStops) {
    test::WindowsFixture f;
    ListBox l("Tabule", Rect{0, 0, 458, 36});
    l.tabStops = {0, 30, 116, 352, 396};
    l.color = Rgb{0, 0, 0};
    l.items = radkySeznamu({{Druh::Tah, {"12", "WWWWWWWWWW", "pes(8,8) :3", "42", "1:16"}},
                            {Druh::Skore, {"Eva", "...", "93"}}});
    Bitmap b(458, 36);
    l.paint(b, 0, 0, f.app.text());
    auto psano = [&](int x0, int x1, int radek) {
        for (int y = radek * 18; y < radek * 18 + 18; ++y)
            for (int x = x0; x < x1; ++x)
                if (b.rgb(x, y) != Rgb{0, 0, 0}) return true;
        return false;
    };
    const struct {
        int x0, x1, radek;
        bool psano;
    } oblasti[] = {{30, 110, 0, true}, {110, 117, 0, false}, {117, 200, 0, true}, {0, 30, 1, false},
                   {30, 116, 1, true}, {352, 396, 1, true},  {396, 458, 1, false}};
    for (const auto& o : oblasti) EXPECT_EQ(psano(o.x0, o.x1, o.radek), o.psano) << o.x0;
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
        f.zmackni("PBody");
    });
    f.potom([&] {
        EXPECT_EQ(f.texty({"Label1", "Label38", "Pohled"}), cp("A .. 1|Ž .. 4|Body za písmeno"));
        f.zmackni("PBody");  // the view on show: no sound, no change
        f.zmackni("PZaklad");
    });
    f.potom([&] {
        EXPECT_EQ(soucet(f), kTiles);
        EXPECT_EQ(f.texty({"Label1", "Label2"}), cp("A .. 6|Á .. 2"));
        f.zmackni("PZbytek");
    });
    f.potom([&] {
        EXPECT_EQ(soucet(f), 83);
        f.zmackni("PZavri");
    });
    showLettersTable(f.ctx);
    EXPECT_EQ(f.zvuky, (std::vector<int>{1, 1, 1, 1}));
}

TEST(ResultsScreen, ShowsTheWinnerAndTellsWhetherToBrowse) {
    // The picture shown, and the button pressed: the record browses.
    struct Case {
        Vysledek v;
        const char* videt;
        const char* tlacitko;
    };
    using enum VysledekObrazek;
    const std::vector<RadekVysledku> tabulka{{1, 1, "Eva", 50, 0, 3}, {2, 2, "Jan", 40, 3, 0}};
    const Case cases[] = {
        {{Win, 0, cp("Jméno vítěze: Eva"), cp("Délka hry: 0:28:35"), tabulka}, "Win", "Prubeh"},
        {{Lost, 0, cp("Jméno vítěze: PC"), cp("Délka hry: 1:02:00"), {}}, "Lost", "Konec"},
        {{WinPL, 3, cp("Jméno vítěze: Olga"), cp("Délka hry: 0:40:00"), {}}, "WPL3", "Konec"},
        {{Remiza, 0, "", cp("Délka hry: 0:10:00"), {}}, "Remiza", "Prubeh"},
    };
    for (const Case& k : cases) {
        test::WindowsFixture f;
        f.potom([&] {
            EXPECT_EQ(f.texty({"Label1", "Label2"}), k.v.radekVitez + "|" + k.v.radekDelka);
            // The final table, row 2 the loser's penalty.
            EXPECT_TRUE(k.v.tabulka.empty() || f.text("T2_3") == "-3") << f.text("T2_3");
            for (const char* p : {"Win", "Lost", "Remiza", "WPL1", "WPL2", "WPL3", "WPL4"})
                EXPECT_EQ(f.svitiBy(p), std::string(p) == k.videt) << p;
            EXPECT_EQ(f.svitiBy("WinPL"), k.v.obrazek == WinPL);
            f.zmackni(k.tlacitko);
        });
        EXPECT_EQ(showResultsScreen(f.ctx, k.v), std::string(k.tlacitko) == "Prubeh") << k.videt;
        EXPECT_TRUE(f.zvuky.empty());
    }
}

TEST(BrowsePanels, BlockAllButTheStepsTheListsAndTheMenu) {
    Window form("GameForm");
    form.autoPaint = false;
    form.add<Control>("NextOFF", Rect{911, 469, 45, 45});
    form.add<Control>("BackOFF", Rect{860, 512, 50, 50});
    form.add<Control>("TipOFF", Rect{859, 591, 50, 20});
    form.add<Control>("MenuOFF", Rect{882, 616, 61, 20});
    // What lies on top of the background, Next, Back, the hint and the menu.
    const auto navrchu = [&] {
        std::string v;
        for (auto [x, y] : {std::pair{400, 400}, {930, 490}, {880, 530}, {880, 600}, {900, 625}})
            v += (form.controlAt(x, y) ? form.controlAt(x, y)->name : "-") + " ";
        return v;
    };
    std::vector<std::pair<int, int>> pohyby;
    ZapniProhlizeniPanely(form, [&](int x, int y) { pohyby.emplace_back(x, y); });
    EXPECT_EQ(navrchu(), "Prohliz1 Prohliz2 BackOFF Prohliz3 MenuOFF ");
    form.dispatch({EventKind::MouseMove, 900, 600});
    EXPECT_EQ(pohyby, (std::vector<std::pair<int, int>>{{900, 600}}));
    // A second browse reuses the blockers; switched off they take nothing.
    ZapniProhlizeniPanely(form, nullptr);
    EXPECT_EQ(form.controls().size(), 7u);
    VypniProhlizeniPanely(form);
    EXPECT_EQ(navrchu(), "- NextOFF BackOFF TipOFF MenuOFF ");
}

}  // namespace
}  // namespace tb
