// Menu screens opened from the record viewer: the viewer's input blockers
// lie over the game screen, yet the menu must take the mouse, and nothing
// may start the clocks of the record being viewed.

#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "ui/windows/browse_window.h"

namespace tb::test {
namespace {

TEST(MenusFromTheViewer, TakeTheMouseAndKeepTheClocksStopped) {
    struct Pripad {
        int obrazovka;  // what the in-game menu chose
        int tlacitko;   // hit rectangle clicked there
        int potom;      // menu screen afterwards
        bool vMenu;     // still in the menus (else back in the viewer)
    };
    const Pripad pripady[] = {
        {kMenuNastaveni, 33, kMenuNastaveni, false},    // OK: back to the viewer
        {kMenuUlozPrubeh, 16, kMenuUlozPrubeh, false},  // Storno: back to the viewer
        {kMenuHlavni, 1, kMenuNova, true},              // ended, then New
    };
    for (const Pripad& p : pripady) {
        MenuStul t;
        t.s.Faze = Phase::Browse;
        ZapniProhlizeniPanely(t.form, {});
        t.pak([&] {
             t.hra.NastavCasovac(false, 1000);
             t.menu->ZeHry(p.obrazovka);
         }).snimky(2);
        t.klikRect(p.tlacitko).snimky(2);
        t.spust();
        SCOPED_TRACE(p.obrazovka);
        EXPECT_EQ(t.menu->MenuObrazovka, p.potom);
        EXPECT_EQ(t.menu->DXDraw1().enabled, p.vMenu);
        EXPECT_EQ(t.hra.interval(), p.vMenu ? 0 : 1000);
        // Frames run in the menus; the viewed record's clocks stand.
        EXPECT_EQ(t.hra.casovacZapnut(), p.vMenu);
        EXPECT_EQ(t.nast.NastaveniZeHry, 0);
    }
}

}  // namespace
}  // namespace tb::test
