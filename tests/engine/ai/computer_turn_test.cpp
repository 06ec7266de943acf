// The computer player at the table: a move of his that the game refuses.

#include "engine/ai/computer_turn.h"

#include <gtest/gtest.h>

#include "ai_fixture.h"
#include "support/game_fixture.h"

namespace tb::test {
namespace {

TEST(ComputerTurn, ARefusedMoveGoesBackToTheRackAndTheSeatPasses) {
    // The computer knows a word the game's dictionary lacks, and the word
    // error dialog is answered "correct it myself".
    HerniStul t(skriptHry(1, "pes", zamichano(5)), 2);
    MemoryWordStore jinySlovnik{"pes"};
    auto kurzorPC = jinySlovnik.openCursor();
    PocitacovyHrac pc(t.hra, *kurzorPC);
    t.hra.setComputerPlayer(&pc);
    t.s.VolbaPC[1] = 1;
    t.ui.slovaOdpovedi = {DialogVolba::OpravimSam};
    t.start();
    EXPECT_EQ(t.ui.slova.size(), 1u);
    EXPECT_EQ(t.s.NaTahu, 2);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) EXPECT_EQ(t.s.Pole[x][y].Novy + t.s.Pole[x][y].Pevny, 0);
    EXPECT_EQ(std::count(t.s.Zasobnik[1].begin() + 1, t.s.Zasobnik[1].end(), 0), 0);
}

}  // namespace
}  // namespace tb::test
