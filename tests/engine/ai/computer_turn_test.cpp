// The computer player at the table: a move of his that the game refuses.

#include "engine/ai/computer_turn.h"

#include <gtest/gtest.h>

#include "ai_fixture.h"
#include "engine/game/letter_codes.h"
#include "files/text.h"
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

TEST(ComputerTurn, TheMasterLaysItsBestMoveAndWithoutOneExchanges) {
    struct Pripad {
        std::vector<std::string> slova;
        std::string zapsano;
        bool graf = true;  // false: the word graph cannot be read
    };
    const Pripad pripady[] = {
        {{"pe", "pes"}, "pes(8,6):3,"},
        {{}, utf8ToCp1250("Výměna:")},
        {{"pe", "pes"}, "pes(7,8) :3,", false},  // the computer player stands in
    };
    for (const auto& [slova, zapsano, graf] : pripady) {
        HerniStul t(skriptHry(1, "pes", zamichano(5)), 2);
        for (const auto& w : slova) t.kurzor->InsertWord(w);
        std::vector<std::string> kody;
        for (const auto& w : slova) appendCodesOfUtf8(w, kody.emplace_back());
        Mistr mistr(*t.kurzor, [&] {
            if (!graf) throw FileError("Slovnik_cz.dawg: cannot read");
            return WordGraph(buildWordGraph(kody), "");
        });
        PocitacovyHrac pc(t.hra, *t.kurzor, &mistr);
        t.hra.setComputerPlayer(&pc);
        t.s.VolbaPC[1] = kMistr;
        if (graf)
            t.start();
        else
            EXPECT_THROW(t.start(), FileError);
        EXPECT_EQ(t.s.NaTahu, 2);
        const auto& r = t.zapis.radky();
        EXPECT_TRUE(std::any_of(r.begin(), r.end(), [&](const std::string& l) {
            return l.starts_with(zapsano);
        })) << zapsano;
    }
}

}  // namespace
}  // namespace tb::test
