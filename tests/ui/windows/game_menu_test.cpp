#include <gtest/gtest.h>

#include "engine/ai/computer_player.h"
#include "platform/draw.h"
#include "ui/windows/dialog_ui.h"
#include "ui/windows/exchange_refused_dialog.h"
#include "ui/windows/game_menu_dialog.h"
#include "ui/windows/hint_dialog.h"
#include "ui/windows/letters_table_window.h"
#include "ui/windows/meaning_dialog.h"
#include "ui/windows/move_list_window.h"
#include "ui/windows/results_window.h"
#include "ui/windows/rule_error_dialog.h"
#include "ui/windows/word_error_dialog.h"
#include "ui/windows/word_test_dialog.h"
#include "window_fixture.h"

namespace tb {
namespace {

// The actions note whether the menu was still open when they ran.
struct MenuFixture : test::WindowsFixture {
    std::function<void()> zapis(const char* co) {
        return [this, co] { log += std::string(co) + (app.top() ? "(menu open);" : ";"); };
    }
    HerniMenuAkce akce{zapis("navrat"), zapis("ulozitHru"), zapis("ulozitPrubeh"),
                       zapis("nastaveni"), zapis("konec")};
    std::string log;
};

// Every window of the game screen lies on the screen, and so does every
// control of it inside the window.
TEST(Windows, EachFitsTheScreenWithItsControlsInside) {
    struct Okno {
        const char* name;
        std::function<void(MenuFixture&)> otevri;
    };
    const Okno okna[] = {
        {"TChyba1Box",
         [](MenuFixture& f) {
             showRuleErrorBox(f.ctx, {0, 1, 2, 8, 3, 3, "pes"});
         }},
        {"TChybaSlova",
         [](MenuFixture& f) {
             showWordErrorDialog(f.ctx, {"xyz", 0, 8, 3, 1});
         }},
        {"TChybaVymena", [](MenuFixture& f) { showExchangeRefused(f.ctx); }},
        {"TTestSlova", [](MenuFixture& f) { showWordTestDialog(f.ctx); }},
        {"TVyznam", [](MenuFixture& f) { showMeaningDialog(f.ctx); }},
        {"TTipForm", [](MenuFixture& f) { showHintDialog(f.ctx, TAI{*f.kurzor}); }},
        {"TZapis", [](MenuFixture& f) { showMoveList(f.ctx); }},
        {"TPaB", [](MenuFixture& f) { showLettersTable(f.ctx); }},
        {"TKonecForm", [](MenuFixture& f) { showResultsScreen(f.ctx, {}); }},
        {"TGMenu", [](MenuFixture& f) { showGameMenu(f.ctx, f.akce); }},
    };
    for (const Okno& o : okna) {
        MenuFixture f;
        f.potom([&] {
            const Window& w = f.okno();
            const Rect b = w.bounds;
            EXPECT_EQ(w.name, o.name);
            EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + b.w <= 1024 && b.y + b.h <= 768) << o.name;
            for (const Control* c : w.controls())
                EXPECT_TRUE(c->left >= 0 && c->top >= 0 && c->left + c->width <= b.w &&
                            c->top + c->height <= b.h)
                    << o.name << " " << c->name;
            f.events.push({EventKind::Quit});
        });
        o.otevri(f);
    }
}

TEST(GameMenu, EachRowHandsOverAfterTheMenuHasClosed) {
    struct Case {
        bool prohlizeni;
        const char* radek;
        VolbaHerniMenu volba;
        const char* log;
    };
    const Case cases[] = {
        {false, "Return", VolbaHerniMenu::Navrat, "navrat;"},
        {false, "Save", VolbaHerniMenu::UlozitHru, "ulozitHru;"},
        {true, "SavePr", VolbaHerniMenu::UlozitPrubeh, "ulozitPrubeh;"},
        {false, "Nastaveni", VolbaHerniMenu::Nastaveni, "nastaveni;"},
        {false, "Konec", VolbaHerniMenu::Konec, "konec;"},
        {true, "KonecPr", VolbaHerniMenu::Konec, "konec;"},
    };
    for (const Case& k : cases) {
        MenuFixture f;
        f.s.Faze = k.prohlizeni ? Phase::Browse : Phase::Play;
        const std::string radek = k.radek;
        f.potom([&] {
            // The record variants of rows 120 and 300 while a record is viewed.
            EXPECT_EQ(f.svitiBy("SaveOFF"), !k.prohlizeni);
            EXPECT_EQ(f.svitiBy("SavePrOFF"), k.prohlizeni);
            EXPECT_EQ(f.svitiBy("KonecOFF"), !k.prohlizeni);
            EXPECT_EQ(f.svitiBy("KonecPrOFF"), k.prohlizeni);
            f.najed(radek + "OFF");
            f.klikni(radek + "ON");
        });
        EXPECT_EQ(showGameMenu(f.ctx, f.akce), k.volba) << radek;
        EXPECT_EQ(f.log, k.log);
        EXPECT_EQ(f.zvuky, std::vector<int>{1});
    }
}

TEST(PictureDialog, AMissingPictureIsDrawnPlainlyAndStillWorks) {
    test::WindowsFixture f;
    f.hraciPlocha();
    PictureDialog d(f.ctx, "NoSuchWindow", {362, 284, 300, 200});
    d.background("Pozadi");
    bool klik = false;
    d.button("Ok", {100, 150, 100, 34}, "Zavřít", true, [&] {
        klik = true;
        d.window.close();
    });
    f.potom([&] {
        // A framed panel and a brass button with its caption.
        const Bitmap& sc = f.app.surface();
        EXPECT_EQ(sc.rgb(362 + 150, 284 + 100), (Rgb{28, 36, 44}));
        EXPECT_GT(sc.rgb(362 + 105, 284 + 153).r, 150);
        f.najed("OkOFF");
    });
    f.potom([&] {
        EXPECT_TRUE(f.svitiBy("OkON"));
        f.klikni("OkON");
    });
    d.run();
    EXPECT_TRUE(klik);
}

}  // namespace
}  // namespace tb
