#include <gtest/gtest.h>

#include <map>

#include "menu_fixture.h"
#include "ui/screens/load_fade_screen.h"

namespace tb {
namespace {

// Waiting moves the pinned clock; the tiles' places and visibility are kept.
class PolozenaUi : public test::CasovacUi {
  public:
    PolozenaUi(Application& app, test::ManualTicks& clock) : CasovacUi(app), clock_(clock) {}
    void Pockej(int ms) override { clock_.now += ms; }
    void KamenNaPole(int t, int x, int y) override { log("pole", t, x, y); }
    void UkazKamen(int t, bool ukaz) override { viditelny[t] = ukaz; }
    std::map<int, bool> viditelny;

  private:
    test::ManualTicks& clock_;
};

TEST(LoadFade, TheFixedTilesOfALoadedBoardFadeInOver25Seconds) {
    test::MenuStul t;
    PolozenaUi ui(t.app, t.clock);
    t.s.Pole[8][8].Pevny = 12;
    t.s.Pole[9][8].Pevny = 40;
    t.s.Pole[8][9].Pevny = 3;
    int snimku = 0;
    const uint32_t start = t.clock.now;
    LoadFadeInPismena(t.ctx, ui, [&] { ++snimku; });
    EXPECT_GE(t.clock.now - start, 2500u);
    EXPECT_NEAR(snimku, 250, 2);
    // Rows from the top, each from the left.
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"pole 12 8 8", "pole 40 9 8", "pole 3 8 9"}));
    for (int tile : {12, 40, 3}) {
        EXPECT_TRUE(ui.viditelny[tile]);
        EXPECT_EQ(t.s.Kameny[tile].Vlastnik, 6);
    }

    // An empty board takes the same time with nothing to fade.
    for (int tile : {12, 40, 3}) t.s.Kameny[tile].Vlastnik = 0;
    t.s.Pole = {};
    snimku = 0;
    LoadFadeInPismena(t.ctx, ui, [&] { ++snimku; });
    EXPECT_NEAR(snimku, 250, 2);
}

}  // namespace
}  // namespace tb
