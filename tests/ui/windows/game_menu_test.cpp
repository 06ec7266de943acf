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

using F = test::WindowsFixture;

// Every window of the game screen lies on the screen, and so does every
// control of it inside the window.
TEST(Windows, EachFitsTheScreenWithItsControlsInside) {
    struct Okno {
        const char* name;
        std::function<void(F&)> otevri;
    };
    const Okno okna[] = {
        {"TChyba1Box",
         [](F& f) {
             showRuleErrorBox(f.ctx, {0, 1, 2, 8, 3, 3, "pes"});
         }},
        {"TChybaSlova",
         [](F& f) {
             showWordErrorDialog(f.ctx, {"xyz", 0, 8, 3, 1});
         }},
        {"TChybaVymena", [](F& f) { showExchangeRefused(f.ctx); }},
        {"TTestSlova", [](F& f) { showWordTestDialog(f.ctx); }},
        {"TVyznam", [](F& f) { showMeaningDialog(f.ctx); }},
        {"TTipForm", [](F& f) { showHintDialog(f.ctx, TAI{*f.kurzor}); }},
        {"TZapis", [](F& f) { showMoveList(f.ctx); }},
        {"TPaB", [](F& f) { showLettersTable(f.ctx); }},
        {"TKonecForm", [](F& f) { showResultsScreen(f.ctx, {}); }},
        {"TGMenu", [](F& f) { showGameMenu(f.ctx, {}); }},
    };
    for (const Okno& o : okna) {
        test::WindowsFixture f;
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

TEST(GameMenu, TheChosenRowsActionRunsOnceTheMenuHasClosed) {
    F f;
    bool otevreno = true;
    f.potom([&] {
        f.najed("SaveOFF");
        f.klikni("SaveON");
    });
    HerniMenuAkce akce;
    akce.ulozitHru = [&] { otevreno = f.app.top() != nullptr; };
    EXPECT_EQ(showGameMenu(f.ctx, akce), VolbaHerniMenu::UlozitHru);
    EXPECT_FALSE(otevreno);
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
