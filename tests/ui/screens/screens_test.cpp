#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/saves/saved_game.h"
#include "engine/saves/slot_files.h"
#include "files/text.h"
#include "menu_fixture.h"

namespace tb {
namespace {

using test::MenuStul;

// Every menu screen with the pointer on one of its buttons: that button
// shows its ON face. With TB_MENU_SHOTS set the pictures are kept there.
TEST(MenuScreens, TheHoveredButtonShowsItsOnFace) {
    struct Pripad {
        int obrazovka;
        int rect;
        const char* list;
        int on;
        const char* soubor;
    };
    const Pripad pripady[] = {
        {kMenuHlavni, 2, "DXMenu", 5, "main"},
        {kMenuNova, 13, "DXNew", 22, "new"},
        {kMenuNacti, 15, "DXSaL", 2, "load"},
        {kMenuUloz, 16, "DXSaL", 5, "save"},
        {kMenuNactiPrubeh, 19, "DXSaL", 12, "load_record"},
        {kMenuNastaveni, 31, "DXNastavTlac", 1, "settings"},
        {kMenuInfo, 35, "DXInfoTlac", 4, "info"},
    };
    const char* shots = std::getenv("TB_MENU_SHOTS");
    for (const Pripad& p : pripady) {
        MenuStul t;
        if (p.obrazovka == kMenuNacti) {
            // Slot 1 holds a game: its summary is shown.
            t.s.PocetHracu = 3;
            t.s.SekundHry = 3725;
            t.s.CisloTahu = 12;
            t.s.Hraci[1].Jmeno = "Jana";
            t.s.Hraci[2].Jmeno = "PC2";
            t.s.Hraci[3].Jmeno = utf8ToCp1250("Líba");
            writeUserFile(t.ctx.user, slotName(1, false), formatSavedGame(t.s, "6.12.2026", {"1"}));
        }
        const Rect& r = TMainMenu::Recty()[p.rect];
        t.pak([&] { t.menu->MenuObrazovka = t.menu->MenuVolba = p.obrazovka; });
        t.pohyb(r.x + 3, r.y + r.h - 4).snimky(3);
        t.pak([&] {
            const Picture& on = t.images.get(p.list)[p.on];
            const int x = r.x + r.w / 2, y = r.y + 4;
            EXPECT_EQ(t.app.surface().at(x, y), on.bitmap().at(x - r.x, y - r.y)) << p.soubor;
            if (p.obrazovka == kMenuUloz) {
                // Slot 1 is free, and its summary says so.
                Bitmap prazdna(240, 40);
                t.app.text().textOut(prazdna, 0, 0, Font{"Times New Roman", 30},
                                     utf8ToCp1250("Prázdná pozice"));
                int jinych = 0;
                for (int py = 0; py < prazdna.height(); ++py)
                    for (int px = 0; px < prazdna.width(); ++px)
                        jinych += t.app.surface().rgb(510 + px, 330 + py) != prazdna.rgb(px, py);
                EXPECT_EQ(jinych, 0);
            }
            if (shots)
                savePng(t.app.surface(),
                        std::filesystem::path(shots) / (std::string(p.soubor) + ".png"));
        });
        t.spust();
    }
}

TEST(MenuScreens, InfoPagesAllDraw) {
    const char* shots = std::getenv("TB_MENU_SHOTS");
    MenuStul t;
    t.pak([&] { t.menu->MenuObrazovka = t.menu->MenuVolba = kMenuInfo; }).pohyb(900, 700);
    for (int strana = 1; strana <= 7; ++strana) {
        t.pak([&t, strana] { t.menu->StranaInfo = strana; }).snimky(2);
        t.pak([&t, strana, shots] {
            // Text lies in the black page area.
            int svetlych = 0;
            for (int y = 240; y < 520; ++y)
                for (int x = 300; x < 740; ++x) svetlych += t.app.surface().rgb(x, y).r > 200;
            EXPECT_GT(svetlych, 1000) << strana;
            if (shots)
                savePng(t.app.surface(),
                        std::filesystem::path(shots) / ("info" + std::to_string(strana) + ".png"));
        });
    }
    t.spust();
}

}  // namespace
}  // namespace tb
