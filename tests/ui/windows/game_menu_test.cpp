#include <gtest/gtest.h>

#include "engine/ai/computer_player.h"
#include "engine/game/error_texts.h"
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
using test::cp;

// Every window of the game screen lies on the screen, every control inside its window.
TEST(Windows, EachFitsTheScreenWithItsControlsInside) {
    struct Okno {
        const char* name;
        std::function<void(F&)> otevri;
    };
    const ChybaPravidla pravidla{0, 1, 2, 8, 3, 3, "pes"};
    const ChybaSlova slovo{"xyz", 0, 8, 3, 1};
    const Okno okna[] = {
        {"TChyba1Box", [&](F& f) { showRuleErrorBox(f.ctx, pravidla); }},
        {"TChybaSlova", [&](F& f) { showWordErrorDialog(f.ctx, slovo); }},
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
    f.potom([&] { f.zmackni("Save"); });
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

TEST(ErrorTexts, RuleErrorsFillTheirLabelsWordForWord) {
    struct Case {
        ChybaPravidla c;
        std::array<const char*, 4> texty;
    };
    const Case cases[] = {
        {{0, 1, 2, 4, 9, 1, "k"}, {"", "", "Písmeno \"k\" je samotné. Souřadnice jsou:9,4.", ""}},
        // "písmena" for two letters, "písmen" for a limit of five.
        {{0, 1, 5, 8, 7, 2, "ne"},
         {"", "Slovo \"ne\" na souřadnicích:7,8 je moc krátké.", "Obsahuje pouze: 2 písmena.",
          "A vy máte nastaven limit na: 5 písmen."}},
        {{0, 1, 4, 8, 7, 2, "lev"},
         {"", "Slovo \"lev\" na souřadnicích:7,8 je moc krátké.", "Obsahuje pouze: 3 písmena.",
          "A vy máte nastaven limit na: 4 písmena."}},
        {{0, 1, 3, 8, 3, 2, "kolo"},
         {"", "Slovo \"kolo\" na souřadnicích:3,8 je moc krátké.", "Obsahuje pouze: 4 písmena.",
          "A vy máte nastaven limit na: 3 písmena."}},
        {{0, 1, 7, 8, 3, 2, "pivovary"},
         {"", "Slovo \"pivovary\" na souřadnicích:3,8 je moc krátké.", "Obsahuje pouze: 8 písmen.",
          "A vy máte nastaven limit na: 7 písmen."}},
        // No full stop after the position of a word that does not connect.
        {{0, 0, 2, 2, 12, 3, "lev"},
         {"", "", "Slovo \"lev\" nenavazuje. Je na souřadnicích:12,2", ""}},
        {{0, 1, 2, 5, 2, 4, "pes"},
         {"", "Slovo \"pes\" neprochází středem (Souřadnice 8,8).", "Nyní je na souřadnicích: 2,5.",
          ""}},
    };
    for (const Case& k : cases) {
        const auto t = textyChybyPravidla(k.c);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(cp1250ToUtf8(t[i]), k.texty[i]) << "error " << k.c.kod << " label " << i;
    }
    // A word with letters beyond ASCII stays one byte a letter.
    EXPECT_EQ(textyChybyPravidla({0, 1, 5, 8, 7, 2, cp("šť")})[2],
              cp("Obsahuje pouze: 2 písmena."));
}

TEST(ErrorDialogs, RuleErrorLinesFitTheirBoxAndPutOutTheLitButton) {
    test::WindowsFixture f;
    f.hraciPlocha();
    f.potom([&] {
        for (const char* l : {"Label1", "Label2", "Label3"})
            EXPECT_LE(f.app.text().textWidth(f.prvek<Label>(l).font, f.text(l)), 282) << l;
        f.najed("Button2OFF");
        f.najed("Label2");  // the pointer off the button onto a line puts it out
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("Button2ON"));
        f.zmackni("Button2");
    });
    EXPECT_EQ(showRuleErrorBox(f.ctx, {0, 1, 7, 15, 15, 2, cp("přítelíček")}),
              DialogVolba::OpravimSam);
    EXPECT_EQ(f.zvuky, std::vector<int>{1});
}

struct HintFixture : test::WindowsFixture {
    explicit HintFixture(int kolik) {
        const Kandidat k[] = {{"pes", 8, 8, 12, 1}, {"kolo", 3, 5, 9, 0}, {"auto", 10, 2, 7, 1}};
        for (int i = 1; i <= kolik; ++i) ai.Kandidati[i] = k[i - 1];
        ai.PocetKandidatu = kolik;
        hraciPlocha();
    }
    TAI ai{*kurzor};
};

TEST(HintDialog, PagesThroughTheCandidatesAndLaysTheOneShown) {
    HintFixture f(3);
    f.potom([&] {
        EXPECT_EQ(f.texty({"LaSlovo", "LaSmer", "LSouradniceX", "LSmer"}),
                  cp("pes|Vodorovně|Souřadnice X :|Směr :"));
        f.najed("BackOFF");  // not usable on the first candidate
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("BackON"));
        f.zmackni("Next");
        f.zmackni("Next");
    });
    f.potom([&] {
        EXPECT_EQ(f.texty({"LaSlovo", "LPoradi", "LaBody", "LaX", "LaY"}), "auto|3 / 3|7|10|2");
        f.najed("NextOFF");  // spent on the last one
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("NextON"));
        f.zmackni("Back");
    });
    f.potom([&] {
        EXPECT_EQ(f.texty({"LaSlovo", "LaSmer"}), "kolo|Svisle");
        f.zmackni("Poloz");
    });
    EXPECT_EQ(showHintDialog(f.ctx, f.ai), 2);
    EXPECT_EQ(f.zvuky, (std::vector<int>{1, 1, 1, 1}));
}

TEST(HintDialog, NoCandidateOffersOnlyClose) {
    HintFixture f(0);
    f.potom([&] {
        EXPECT_EQ(f.texty({"LaSlovo", "LaBody"}), cp("Žádný nápad|"));
        f.klikni("PolozOFF");  // never lights, so never clicks
        f.najed("NextOFF");
    });
    f.potom([&] {
        EXPECT_EQ(std::tuple(f.svitiBy("PolozON"), f.svitiBy("NextON")), std::tuple(false, false));
        f.klikni("ZavriOFF");
    });
    EXPECT_EQ(showHintDialog(f.ctx, f.ai), 0);
    EXPECT_EQ(f.zvuky, std::vector<int>{1});
}

TEST(HintDialog, TheSwitchShowsTheMastersMovesAndLaysOne) {
    HintFixture f(0);
    const std::vector<Kandidat> nejlepsi = {{"les", 7, 8, 6, 1}, {"pes", 8, 6, 5, 0}};
    f.potom([&] { f.zmackni("Nejlepsi"); });
    f.potom([&] {
        EXPECT_EQ(f.texty({"LaSlovo", "LaBody"}), "les|6");
        EXPECT_FALSE(f.svitiBy("NejlepsiOFF")) << "the switch back shows instead";
        f.zmackni("Next");
        f.zmackni("Poloz");
    });
    EXPECT_EQ(showHintDialog(
                  f.ctx, f.ai, [&]() -> const auto& { return nejlepsi; }),
              -2);
}

}  // namespace
}  // namespace tb
