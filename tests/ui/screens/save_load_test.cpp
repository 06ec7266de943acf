#include <gtest/gtest.h>
#include <sys/stat.h>

#include "engine/saves/slot_files.h"
#include "menu_fixture.h"

namespace tb {
namespace {

using test::MenuStul;

// A game started from the new-game screen and dealt by its first tick.
void rozehraj(MenuStul& t) {
    t.nast.NastHracu = 3;
    t.pak([&] { t.menu->MenuObrazovka = t.menu->MenuVolba = kMenuNova; }).snimky(2);
    t.klikRect(13).snimky(3);
    t.pak([&] { ASSERT_EQ(t.hra.interval(), 1000) << "the game did not start"; });
}

TEST(SaveLoad, AGameSavedThroughTheInGameMenuLoadsBackWithItsRecord) {
    MenuStul t;
    rozehraj(t);
    GameState ulozeny;
    std::string zaznam;
    t.pak([&] {
        t.s.SekundHry = 3725;
        ulozeny = t.s;
        zaznam = readFile(t.userDir() / "Data" / "main.dat");
        t.menu->ZeHry(kMenuUloz);
    });
    t.snimky(2).klikRect(19).klikRect(15).snimky(2);
    t.pak([&] {
        EXPECT_TRUE(std::filesystem::exists(t.userDir() / "Save" / "3.dat"));
        // Play resumes at once.
        EXPECT_EQ(t.hra.interval(), 1000);
        EXPECT_TRUE(t.hra.casovacZapnut());
        EXPECT_FALSE(t.menu->DXDraw1().enabled);
        // The game goes on and is then abandoned; its record file changes.
        writeRecordFile(t.ctx.user, {"jiny zaznam"});
        t.s.PocetHracu = 2;
        t.menu->ZeHry(kMenuHlavni);
    });
    t.snimky(2).klikRect(2).snimky(2);
    t.pak([&] { EXPECT_EQ(t.menu->MenuObrazovka, kMenuNacti); });
    // A free slot cannot be loaded.
    t.klikRect(17).klikRect(15).snimky(2);
    t.pak([&] { EXPECT_EQ(t.menu->MenuObrazovka, kMenuNacti); });
    t.klikRect(19).klikRect(15).snimky(2);
    t.spust();
    // Loaded, and resumed by the first tick.
    EXPECT_EQ(t.s.PocetHracu, 3);
    EXPECT_EQ(t.s.SekundHry, 3725 + 1);
    EXPECT_EQ(t.s.Pytel, ulozeny.Pytel);
    EXPECT_EQ(t.s.Zasobnik, ulozeny.Zasobnik);
    EXPECT_EQ(t.s.NaTahu, ulozeny.NaTahu);
    EXPECT_EQ(t.s.PosledniTah, ulozeny.PosledniTah);
    EXPECT_EQ(readFile(t.userDir() / "Data" / "main.dat"), zaznam);
    EXPECT_EQ(t.hra.interval(), 1000);
    EXPECT_FALSE(t.menu->DXDraw1().enabled);
}

// A pipe, a link to an endless device and a 100 MB file: each shows as
// unreadable in the frame it is chosen, OK says why and loads nothing, and a
// save over one asks first. A slot is read when chosen, not on every frame.
TEST(SaveLoad, SlotsThatCannotBeReadAreShownSoAndReplacedOnlyWhenAsked) {
    MenuStul t;
    const auto slot = [&](int n) { return t.userDir() / "Save" / (std::to_string(n) + ".dat"); };
    ASSERT_EQ(mkfifo(slot(1).c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", slot(2));
    writeUserFile(t.ctx.user, "Save/3.dat", "x");
    std::filesystem::resize_file(slot(3), 100 << 20);
    writeUserFile(t.ctx.user, "Save/4.dat", "6.12.2026\r\n1\r\n5\r\n");
    auto necitelna = [&](const char* co) {
        t.pak([&, co] { EXPECT_TRUE(t.menu->hlavicka().Necitelna) << co; });
    };
    t.pak([&] { t.menu->MenuObrazovka = t.menu->MenuVolba = kMenuNacti; }).snimky(1);
    necitelna("a pipe, as the screen opens");
    t.klikRect(18);
    necitelna("a link to /dev/zero");
    t.klikRect(19);
    necitelna("100 MB");
    t.klikRect(15).pak([&] {
        ASSERT_EQ(t.chyby.size(), 1u);
        EXPECT_NE(t.chyby[0].find("too large"), std::string::npos) << t.chyby[0];
        t.chyby.clear();
        EXPECT_EQ(t.menu->MenuObrazovka, kMenuNacti);
    });
    t.klikRect(20).pak([&] {
        EXPECT_EQ(t.menu->hlavicka().HlavTahu, "5");
        writeUserFile(t.ctx.user, "Save/4.dat", "6.12.2026\r\n1\r\n9\r\n");
    });
    t.snimky(3).pak([&] { EXPECT_EQ(t.menu->hlavicka().HlavTahu, "5"); });
    // Saving a game over the pipe: asked, refused, asked again and allowed.
    rozehraj(t);
    t.pak([&] { t.menu->ZeHry(kMenuUloz); }).snimky(1).klikRect(17).klikRect(15);
    t.pak([&] {
        EXPECT_EQ(t.otazky.size(), 1u);
        EXPECT_EQ(t.menu->MenuObrazovka, kMenuUloz);
        t.odpoved = true;
    });
    t.klikRect(15);
    t.spust();
    EXPECT_EQ(t.otazky.size(), 2u);
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(slot(1))));
    EXPECT_EQ(t.hra.interval(), 1000) << "back in the game";
}

TEST(SaveLoad, AClickQuickerThanAFrameStillChoosesTheSlotAndTheButton) {
    MenuStul t;
    t.pak([&] { t.menu->MenuObrazovka = t.menu->MenuVolba = kMenuNacti; }).snimky(2);
    const Rect slot4 = TMainMenu::Recty()[20];
    t.rychlyKlik(slot4.x + 10, slot4.y + 10);
    t.pak([&] { EXPECT_EQ(t.menu->VybranaPozice, 4); });
    t.rychlyKlik(365 + 75, 585 + 30);  // Storno
    t.pak([&] { EXPECT_EQ(t.menu->MenuObrazovka, kMenuHlavni); });
    t.spust();
}

TEST(SaveLoad, StornoOfTheSaveScreensReturnsWithoutWriting) {
    for (int obrazovka : {kMenuUloz, kMenuUlozPrubeh}) {
        MenuStul t;
        t.pak([&] { t.menu->ZeHry(obrazovka); }).snimky(2);
        t.klikRect(16).snimky(1);
        t.spust();
        EXPECT_EQ(t.hra.interval(), 1000);
        // Viewing a record runs no clock.
        EXPECT_EQ(t.hra.casovacZapnut(), obrazovka == kMenuUloz);
        EXPECT_FALSE(std::filesystem::exists(t.userDir() / "Save" / "1.dat"));
        EXPECT_FALSE(std::filesystem::exists(t.userDir() / "Save" / "Prubeh" / "1.dat"));
    }
}

TEST(SaveLoad, ARecordSavedWhileViewingLoadsIntoTheViewer) {
    MenuStul t;
    rozehraj(t);
    // The viewer's total-time clock shows the finished game's length.
    t.form.add<Label>("CasCelkem", Rect{936, 695, 60, 18}).caption = "0:07:35";
    t.pak([&] {
        t.s.Faze = Phase::Browse;
        t.s.SekundHry = 59;
        t.menu->ZeHry(kMenuUlozPrubeh);
    });
    t.snimky(2).klikRect(26).klikRect(15).snimky(1);
    t.pak([&] {
        const auto slot = t.userDir() / "Save" / "Prubeh" / "10.dat";
        ASSERT_TRUE(std::filesystem::exists(slot));
        EXPECT_NE(readFile(slot).find("\r\n455\r\n\r\n"), std::string::npos);
        EXPECT_FALSE(t.hra.casovacZapnut());
        t.menu->ZeHry(kMenuHlavni);
    });
    t.snimky(1).klikRect(3).snimky(2);
    t.pak([&] { EXPECT_EQ(t.menu->MenuObrazovka, kMenuNactiPrubeh); });
    t.klikRect(15).snimky(3);
    t.spust();
    EXPECT_EQ(t.s.Faze, Phase::Browse);
    EXPECT_EQ(t.s.PocetHracu, 3);
    for (int p = 1; p <= kSeats; ++p) EXPECT_EQ(t.s.Hraci[p].JePC, 0);
    // The first tick hands over to the viewer and stops the clock.
    EXPECT_FALSE(t.hra.casovacZapnut());
}

}  // namespace
}  // namespace tb
