#include <gtest/gtest.h>

#include "menu_fixture.h"
#include "ui/screens/intro_screen.h"

namespace tb {
namespace {

using test::MenuStul;

// The small letters' row is each of them drawn once on black, however many
// frames they have stood.
bool malaJednou(MenuStul& t) {
    Bitmap jednou(1024, 768);
    for (int i = 1; i <= 8; ++i) {
        const ManifestEntry& e = t.images.manifest().item("DXIntro", "Male" + std::to_string(i));
        t.images.get("DXIntro")[e.index].draw(jednou, *e.x, *e.y);
    }
    for (int y = 453; y < 453 + 64; ++y)
        for (int x = 0; x < 1024; ++x)
            if (jednou.rgb(x, y) != t.app.surface().rgb(x, y)) return false;
    return true;
}

// Runs intro frames `krok` ms apart until the music starts; the time taken.
uint32_t prehraj(MenuStul& t, uint32_t krok) {
    const uint32_t start = t.clock.now;
    const char* shots = std::getenv("TB_MENU_SHOTS");
    int posledni = -1;
    bool mala = false;
    for (int i = 0; i < 100000 && t.s.Faze == Phase::Intro; ++i) {
        t.menu->frameTick();
        t.clock.now += krok;
        const int etapa = t.menu->intro().stage();
        if (etapa == 13 && !mala) {
            mala = true;
            EXPECT_TRUE(malaJednou(t)) << krok;
        }
        // With TB_MENU_SHOTS set, the middle of every stage is kept as a picture.
        if (shots && etapa != posledni && t.clock.now % 1000 < krok) {
            posledni = etapa;
            savePng(t.app.surface(),
                    std::filesystem::path(shots) / ("intro" + std::to_string(etapa) + ".png"));
        }
    }
    return t.clock.now - start;
}

TEST(Intro, RunsAbout18SecondsThroughItsStagesAndStartsTheMusic) {
    for (uint32_t krok : {7u, 16u}) {
        MenuStul t;
        t.s.Faze = Phase::Intro;
        const uint32_t delka = prehraj(t, krok);
        // Each of the 24 stages may overrun by one frame.
        EXPECT_GE(delka, static_cast<uint32_t>(TIntroF::kDelka)) << krok;
        EXPECT_LE(delka, TIntroF::kDelka + 25 * krok + 25) << krok;
        EXPECT_EQ(t.hudba, 1);
        EXPECT_EQ(t.menu->intro().stage(), 23);
        // Five big letters, eight small ones, and the two title words.
        EXPECT_EQ(std::count(t.zvuky.begin(), t.zvuky.end(), 6), 5);
        EXPECT_EQ(std::count(t.zvuky.begin(), t.zvuky.end(), 7), 8);
        EXPECT_EQ(std::count(t.zvuky.begin(), t.zvuky.end(), 8), 1);
        EXPECT_EQ(std::count(t.zvuky.begin(), t.zvuky.end(), 9), 1);
    }
}

TEST(Intro, EscSkipsItAndTheNextFrameIsTheMenu) {
    MenuStul t;
    t.s.Faze = Phase::Intro;
    for (int i = 0; i < 300; ++i) {
        t.menu->frameTick();
        t.clock.now += 10;
    }
    ASSERT_EQ(t.s.Faze, Phase::Intro);
    const int etapa = t.menu->intro().stage();
    t.menu->FormKeyPress(27);
    EXPECT_EQ(t.s.Faze, Phase::Menu);
    EXPECT_EQ(t.hudba, 1);
    t.menu->frameTick();
    EXPECT_EQ(t.menu->intro().stage(), etapa);
    // The menu's background is drawn, not the intro's black.
    EXPECT_NE(t.app.surface().rgb(5, 5), (Rgb{0, 0, 0}));
    EXPECT_EQ(t.menu->MenuObrazovka, kMenuHlavni);
}

}  // namespace
}  // namespace tb
