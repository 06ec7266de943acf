#include <gtest/gtest.h>

#include "platform/draw.h"
#include "ui/windows/dialog_ui.h"
#include "ui/windows/game_menu_dialog.h"
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
            EXPECT_EQ(f.okno().bounds, (Rect{378, 209, 250, 350}));
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

TEST(GameMenu, HighlightFollowsThePointerFromRowToRow) {
    MenuFixture f;
    f.hraciPlocha();
    f.potom([&] { f.najed("SaveOFF"), f.najed("NastaveniOFF"); });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("SaveON"));
        EXPECT_TRUE(f.svitiBy("NastaveniON"));
        f.snimek("game_menu");
        // The lit picture has no pointer handler of its own: it stays lit.
        f.najed("NastaveniON");
    });
    f.potom([&] {
        EXPECT_TRUE(f.svitiBy("NastaveniON"));
        f.events.move(378 + 5, 209 + 5);
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("NastaveniON"));
        f.najed("ReturnOFF");
        f.klikni("ReturnON");
    });
    EXPECT_EQ(showGameMenu(f.ctx, f.akce), VolbaHerniMenu::Navrat);
}

TEST(GameMenu, WordMeaningOpensOverTheStillOpenMenu) {
    MenuFixture f;
    f.hraciPlocha();
    f.potom([&] {
        f.najed("VykladOFF");
        f.klikni("VykladON");
    });
    f.potom([&] {
        EXPECT_EQ(f.okno().name, "TVyznam");
        f.snimek("game_menu_meaning");
        f.klikni("ExitOFF");
    });
    f.potom([&] {
        EXPECT_EQ(f.okno().name, "TGMenu");
        EXPECT_TRUE(f.log.empty());
        f.najed("ReturnOFF");
        f.klikni("ReturnON");
    });
    EXPECT_EQ(showGameMenu(f.ctx, f.akce), VolbaHerniMenu::Navrat);
    EXPECT_EQ(f.log, "navrat;");
    EXPECT_EQ(f.zvuky, (std::vector<int>{1, 1, 1}));
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
        f.snimek("stand_in");
        f.klikni("OkON");
    });
    d.run();
    EXPECT_TRUE(klik);
}

}  // namespace
}  // namespace tb
