#include "ui/windows/hint_dialog.h"

#include <gtest/gtest.h>

#include "engine/ai/computer_player.h"
#include "window_fixture.h"

namespace tb {
namespace {

using test::cp;

struct HintFixture : test::WindowsFixture {
    explicit HintFixture(int kolik) {
        const Kandidat k[] = {{"pes", 8, 8, 12, 1}, {"kolo", 3, 5, 9, 0}, {"auto", 10, 2, 7, 1}};
        for (int i = 1; i <= kolik; ++i) ai.Kandidati[i] = k[i - 1];
        ai.PocetKandidatu = kolik;
    }
    TAI ai{*kurzor};
};

TEST(HintDialog, PagesThroughTheCandidatesAndLaysTheOneShown) {
    HintFixture f(3);
    f.hraciPlocha();
    f.potom([&] {
        EXPECT_EQ(f.text("LaSlovo"), "pes");
        EXPECT_EQ(f.text("LaSmer"), cp("Vodorovně"));
        EXPECT_EQ(f.text("LSouradniceX"), cp("Souřadnice X :"));
        EXPECT_EQ(f.text("LSmer"), cp("Směr :"));
        // Back is not usable on the first candidate.
        f.najed("BackOFF");
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("BackON"));
        f.najed("NextOFF");
        f.klikni("NextON");
        f.najed("NextOFF");
        f.klikni("NextON");
    });
    f.potom([&] {
        EXPECT_EQ(f.text("LaSlovo"), "auto");
        EXPECT_EQ(f.text("LPoradi"), "3 / 3");
        EXPECT_EQ(f.text("LaBody"), "7");
        EXPECT_EQ(f.text("LaX"), "10");
        EXPECT_EQ(f.text("LaY"), "2");
        // Next is spent on the last one.
        f.najed("NextOFF");
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("NextON"));
        f.najed("BackOFF");
        f.klikni("BackON");
    });
    f.potom([&] {
        EXPECT_EQ(f.text("LaSlovo"), "kolo");
        EXPECT_EQ(f.text("LaSmer"), "Svisle");
        f.najed("PolozOFF");
        f.klikni("PolozON");
    });
    EXPECT_EQ(showHintDialog(f.ctx, f.ai), 2);
    EXPECT_EQ(f.zvuky, (std::vector<int>{1, 1, 1, 1}));
}

TEST(HintDialog, NoCandidateOffersOnlyClose) {
    HintFixture f(0);
    f.hraciPlocha();
    f.potom([&] {
        EXPECT_EQ(f.text("LaSlovo"), cp("Žádný nápad"));
        EXPECT_EQ(f.text("LaBody"), "");
        f.klikni("PolozOFF");  // never lights, so never clicks
        f.najed("NextOFF");
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("PolozON"));
        EXPECT_FALSE(f.svitiBy("NextON"));
        f.klikni("ZavriOFF");
    });
    EXPECT_EQ(showHintDialog(f.ctx, f.ai), 0);
    EXPECT_EQ(f.zvuky, std::vector<int>{1});
}

TEST(HintDialog, TheSwitchShowsTheMastersMovesAndLaysOne) {
    HintFixture f(0);
    const std::vector<Kandidat> nejlepsi = {{"les", 7, 8, 6, 1}, {"pes", 8, 6, 5, 0}};
    f.hraciPlocha();
    f.potom([&] {
        f.najed("NejlepsiOFF");
        f.klikni("NejlepsiON");
    });
    f.potom([&] {
        EXPECT_EQ(f.text("LaSlovo"), "les");
        EXPECT_EQ(f.text("LaBody"), "6");
        EXPECT_FALSE(f.svitiBy("NejlepsiOFF")) << "the switch back shows instead";
        f.najed("NextOFF");
        f.klikni("NextON");
        f.najed("PolozOFF");
        f.klikni("PolozON");
    });
    EXPECT_EQ(showHintDialog(
                  f.ctx, f.ai, [&]() -> const auto& { return nejlepsi; }),
              -2);
}

}  // namespace
}  // namespace tb
