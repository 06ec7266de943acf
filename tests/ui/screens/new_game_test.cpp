#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace tb {
namespace {

using test::MenuStul;

void naNovouHru(MenuStul& t) {
    t.pak([&] { t.menu->MenuObrazovka = t.menu->MenuVolba = kMenuNova; }).snimky(2);
}

TEST(NewGame, ValuesStepOncePerPressAndWrapAtTheirEnds) {
    struct Pripad {
        int tlacitko;  // hit rectangle
        int hracu, pismen, limit;
        int chciHracu, chciPismen, chciLimit;
    };
    const Pripad pripady[] = {
        {8, 4, 2, 0, 2, 2, 0},       // Plus at 4 players
        {7, 2, 2, 0, 4, 2, 0},       // Minus at 2
        {10, 2, 5, 0, 2, 2, 0},      // WPlus at 5 letters
        {9, 2, 2, 0, 2, 5, 0},       // WMinus at 2
        {12, 2, 2, 300, 2, 2, 0},    // TPlus at 300 s
        {11, 2, 2, 0, 2, 2, 300},    // TMinus at no limit
        {12, 3, 4, 120, 3, 4, 150},  // an ordinary step
    };
    for (const Pripad& p : pripady) {
        MenuStul t;
        t.nast.NastHracu = p.hracu;
        t.nast.NastMinPismen = p.pismen;
        t.nast.NastLimit = p.limit;
        naNovouHru(t);
        const Rect& r = TMainMenu::Recty()[p.tlacitko];
        // Held for many frames: still one step.
        t.pohyb(r.x + 5, r.y + 5)
            .snimky(1)
            .stisk(r.x + 5, r.y + 5)
            .snimky(30)
            .pust(r.x + 5, r.y + 5);
        t.snimky(2);
        t.spust();
        EXPECT_EQ(t.nast.NastHracu, p.chciHracu) << p.tlacitko;
        EXPECT_EQ(t.nast.NastMinPismen, p.chciPismen) << p.tlacitko;
        EXPECT_EQ(t.nast.NastLimit, p.chciLimit) << p.tlacitko;
        EXPECT_EQ(t.menu->MenuObrazovka, kMenuNova);
        EXPECT_EQ(std::count(t.zvuky.begin(), t.zvuky.end(), 1), 1) << p.tlacitko;
    }
}

TEST(NewGame, PcToggleGivesTheDefaultNameAndLocksTheBox) {
    MenuStul t;
    naNovouHru(t);
    t.pak([&] { t.menu->MJmeno(3).text = "Olga"; });
    t.klikRect(29);
    t.pak([&] {
        EXPECT_EQ(t.menu->MJmeno(3).text, "PC3");
        EXPECT_FALSE(t.menu->MJmeno(3).enabled);
        EXPECT_EQ(t.nast.NastPC[3], 1);
    });
    t.klikRect(29);
    t.spust();
    EXPECT_EQ(t.menu->MJmeno(3).text, "Hrac3");
    EXPECT_TRUE(t.menu->MJmeno(3).enabled);
    EXPECT_EQ(t.nast.NastPC[3], 0);
}

TEST(NewGame, OkStartsAGameOnlyWithAPersonInPlay) {
    struct Pripad {
        int hracu;
        std::array<int, 5> pc;
        bool startuje;
    };
    const Pripad pripady[] = {
        {2, {0, 1, 1, 0, 0}, false},  // a person at seat 3, but only two play
        {4, {0, 1, 1, 1, 1}, false},
        {3, {0, 1, 1, 0, 1}, true},
        {2, {0, 0, 0, 0, 0}, true},
    };
    for (const Pripad& p : pripady) {
        MenuStul t;
        t.nast.NastHracu = p.hracu;
        for (int i = 1; i <= 4; ++i) t.nast.NastPC[i] = p.pc[i];
        naNovouHru(t);
        t.pak([&] {
            t.menu->MJmeno(1).text = "Jana";
            t.nast.MJmeno[1] = "Jana";
        });
        t.klikRect(13);
        t.pak([&] {
            // A refused setup is said why, and not kept.
            EXPECT_EQ(std::filesystem::exists(t.userDir() / "Data" / "User.dat"), p.startuje);
            EXPECT_EQ(t.menu->Hlaska, p.startuje ? "" : "Aspoň jeden hráč musí být člověk");
            EXPECT_EQ(t.hra.interval() == 1 || t.hra.interval() == 1000, p.startuje);
            if (p.startuje) {
                EXPECT_FALSE(t.menu->DXDraw1().enabled);
                EXPECT_FALSE(t.menu->MJmeno(1).visible);
                EXPECT_EQ(t.s.PocetHracu, p.hracu);
                EXPECT_EQ(t.s.Hraci[1].Jmeno, "Jana");
            } else {
                EXPECT_EQ(t.menu->MenuObrazovka, kMenuNova);
                EXPECT_TRUE(t.menu->MJmeno(1).visible);
            }
        });
        t.spust();
    }
}

TEST(NewGame, StornoKeepsTheChangesWithoutWritingThem) {
    MenuStul t;
    naNovouHru(t);
    t.klikRect(8).klikRect(14).snimky(2);
    t.spust();
    EXPECT_EQ(t.menu->MenuObrazovka, kMenuHlavni);
    EXPECT_EQ(t.nast.NastHracu, 3);
    EXPECT_FALSE(std::filesystem::exists(t.userDir() / "Data" / "User.dat"));
}

}  // namespace
}  // namespace tb
