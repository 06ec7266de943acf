#include <gtest/gtest.h>

#include "files/files.h"
#include "menu_fixture.h"

namespace tb {
namespace {

using test::MenuStul;

TEST(MainMenu, AScreenIsChosenByThePressAndTakenOnRelease) {
    struct Pripad {
        const char* co;
        int odX, odY, doX, doY;
        int obrazovka;
    };
    const Pripad pripady[] = {
        {"New pressed, released outside every button", 512, 170, 100, 700, kMenuNova},
        {"outside pressed, released on Load", 100, 700, 387, 260, kMenuHlavni},
        {"Credits pressed and released", 637, 510, 637, 510, kMenuInfo},
        {"right edge of New is outside", 612, 150, 612, 150, kMenuHlavni},
        {"top left corner of New is inside", 412, 130, 412, 130, kMenuNova},
    };
    for (const Pripad& p : pripady) {
        MenuStul t;
        t.pohyb(p.odX, p.odY)
            .snimky(2)
            .stisk(p.odX, p.odY)
            .snimky(3)
            .pohyb(p.doX, p.doY)
            .snimky(2)
            .pust(p.doX, p.doY)
            .snimky(2);
        t.spust();
        EXPECT_EQ(t.menu->MenuObrazovka, p.obrazovka) << p.co;
    }
}

TEST(MainMenu, ExitAndEscOnTheMainScreenEndTheApplication) {
    MenuStul a;
    a.klikRect(6).snimky(5);
    a.kroky.push_back([&] { ADD_FAILURE() << "still running after Exit"; });
    a.spust();
    EXPECT_TRUE(a.form.closed());

    MenuStul b;
    b.klavesa(27).snimky(1);
    b.kroky.push_back([&] { ADD_FAILURE() << "still running after Esc"; });
    b.spust();
    EXPECT_EQ(b.menu->MenuObrazovka, kMenuHlavni);
}

TEST(MainMenu, CogsTurnOnceIn15SecondsAndFinishTheirTurnAfterThePointerLeaves) {
    MenuStul t;
    std::vector<int> uhly;
    t.pohyb(387, 260).snimky(1);
    for (int i = 0; i < 40; ++i) t.pak([&] { uhly.push_back(t.menu->UhelOtoceni); });
    t.pohyb(100, 700);
    for (int i = 0; i < 200; ++i) t.pak([&] { uhly.push_back(t.menu->UhelOtoceni); });
    t.spust();
    // Angles rise within a turn and never exceed one turn.
    for (int u : uhly) EXPECT_LE(u, 256);
    EXPECT_GT(*std::max_element(uhly.begin(), uhly.begin() + 40), 100);
    EXPECT_EQ(uhly.back() % 256, 0);
    // The caption went over to Load and came back to the title.
    EXPECT_EQ(t.menu->Popisek, 0);
    EXPECT_EQ(t.menu->Prolnuti, 0);
}

TEST(MainMenu, EscLeavesTheScreensItShouldAndTheLoadOfRecordsStopsViewing) {
    struct Pripad {
        int obrazovka, potom;
    };
    for (Pripad p : {Pripad{kMenuNova, 0}, Pripad{kMenuNacti, 0}, Pripad{kMenuNactiPrubeh, 0},
                     Pripad{kMenuNastaveni, kMenuNastaveni}, Pripad{kMenuInfo, kMenuInfo}}) {
        MenuStul t;
        t.pak([&] { t.menu->MenuObrazovka = t.menu->MenuVolba = p.obrazovka; }).snimky(2);
        t.klavesa(27).snimky(2);
        t.spust();
        EXPECT_EQ(t.menu->MenuObrazovka, p.potom) << p.obrazovka;
        EXPECT_NE(t.s.Faze, Phase::Browse) << p.obrazovka;
    }
}

}  // namespace
}  // namespace tb
