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
        EXPECT_EQ(std::pair(f.svitiBy("PolozON"), f.svitiBy("NextON")), std::pair(false, false));
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
