// Whole turns on the real game screen: the computer's answer, the buttons,
// the end of a game and browsing it, the windows' manner of opening.
#include <gtest/gtest.h>

#include "screen_fixture.h"
#include "ui/windows/modal.h"

namespace tb::test {
namespace {

TEST(GameFlow, AComputerSeatAnswersWithItsTilesFlownToTheirCells) {
    Stul t(
        "pesokla"
        "lesnato",
        true);
    t.slovo({1, 2, 3}, 8, 8);  // "pes"
    t.hraj();
    EXPECT_EQ(t.s().NaTahu, 1);
    EXPECT_GT(pevnych(t.s()), 3) << "the computer laid a word";
    EXPECT_GT(t.s().Hraci[2].BodyCelkem, 0);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (const int k = t.s().Pole[x][y].Pevny) {
                const Control& c = *t.form().Image[k];
                EXPECT_TRUE(c.visible);
                EXPECT_EQ((Bod{c.left, c.top}), polohaNaDesce(x, y));
            }
    EXPECT_EQ(checkTiles(t.s()), "");
    EXPECT_NE(t.form().Display->caption, utf8ToCp1250("Hraje PC!"));
}

TEST(GameFlow, AButtonLightsUnderThePointerOnlyWhenItMayBeUsed) {
    Stul t(
        "pesokla"
        "lesnato");
    GamePainter& p = t.hra->screen().painter();
    const Control& next = *t.form().tlacitka[kNext].OFF;
    const int cx = next.left + 22, cy = next.top + 22;
    const Rgb vypnuto = t.obraz().rgb(cx, cy);
    t.events.move(next.left + next.width - 5, next.top + next.height - 5);
    t.hraj();
    EXPECT_TRUE(t.form().tlacitka[kNext].ON->visible);
    EXPECT_EQ(t.form().Display->caption, utf8ToCp1250("Předej Tah"));
    EXPECT_EQ(t.obraz().rgb(cx, cy), p.DXMenu()[1].bitmap().rgb(22, 22));
    EXPECT_NE(t.obraz().rgb(cx, cy), vypnuto);

    // Change names what its next click does.
    const Control& change = *t.form().tlacitka[kChange].OFF;
    for (const char* napoveda : {"Výměna", "Vyměň!"}) {
        t.events.move(500, 400).move(change.left + 20, change.top + 20);
        t.hraj();
        EXPECT_EQ(t.form().Display->caption, utf8ToCp1250(napoveda));
        if (!t.s().RezimVymeny) t.tlacitko(kChange);
    }
    // In exchange mode Next stays dark; moving off switches every button off.
    t.events.move(next.left + 5, next.top + 5);
    t.hraj();
    EXPECT_TRUE(t.s().RezimVymeny);
    EXPECT_FALSE(t.form().tlacitka[kNext].ON->visible);
    EXPECT_FALSE(t.form().tlacitka[kChange].ON->visible);
    t.events.move(500, 400);
    t.hraj();
    EXPECT_EQ(t.form().Display->caption, "");
}

TEST(GameFlow, TheEndOfAGameShowsTheResultsAndBrowsingStepsOneRecordPerClick) {
    Stul t(
        "pesokla"
        "lesnato");
    t.okna.prohlizet = true;
    // "pes", then four passes end the game. Input that comes while the
    // rack's tiles fade in is dropped, so each move is played on its own.
    t.slovo({1, 2, 3}, 8, 8).hraj();
    for (int i = 0; i < 4; ++i) t.tlacitko(kNext).hraj();
    EXPECT_EQ(t.okna.vysledky, 1);
    EXPECT_EQ(t.s().Faze, Phase::Browse);
    EXPECT_EQ(t.s().CisloTahu, 1);
    EXPECT_EQ(t.s().PosledniTah, 6);
    ASSERT_NE(t.form().find("Prohliz1"), nullptr);
    EXPECT_TRUE(t.form().find("Prohliz1")->visible);
    EXPECT_FALSE(t.app.timer().Enabled()) << "the clocks stand while a game is viewed";

    // The board and the exchange are blocked; stepping and the move list work.
    t.tlacitko(kFF).tlacitko(kFF).tlacitko(kBack);
    t.klikNaSlot(1);
    t.tlacitko(kPrubeh);
    t.hraj();
    EXPECT_EQ(t.s().CisloTahu, 2);
    EXPECT_EQ(pevnych(t.s()), 3);
    EXPECT_FALSE(t.s().VRuce.drzi());
    EXPECT_EQ(t.okna.otevrena, (std::vector<std::string>{"prubeh"}));
    EXPECT_FALSE(t.app.timer().Enabled());
}

TEST(GameFlow, AWindowOpensWithThePointerShownAndTheClocksStopped) {
    Stul t(
        "pesokla"
        "lesnato");
    const bool kurzor = t.display.pointerShown();
    bool behemUkazan = false, behemStoji = false;
    t.events.onIdle = [&] {
        behemUkazan = t.display.pointerShown();
        behemStoji = !t.app.timer().Enabled();
        t.events.click(512, 768 / 2 + 55 - 42 + 15);  // the box's only button
    };
    t.app.timer().SetEnabled(true);
    const int volba = volbaBox(t.hra->ctx(), "Chyba", {"zkouska"}, {"OK"});
    EXPECT_EQ(volba, 1);
    EXPECT_TRUE(behemUkazan);
    EXPECT_TRUE(behemStoji);
    EXPECT_EQ(t.display.pointerShown(), kurzor);
    EXPECT_TRUE(t.app.timer().Enabled());
}

}  // namespace
}  // namespace tb::test
