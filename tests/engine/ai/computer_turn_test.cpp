// The computer player at the table: whole games through the turn cycle, the
// computer seats that follow a person, and the hint.

#include "engine/ai/computer_turn.h"

#include <gtest/gtest.h>

#include "ai_fixture.h"
#include "support/game_fixture.h"

namespace tb::test {
namespace {

// Every two-letter word of the 38 letters, and every three-letter word of
// thirteen common ones: enough for long games of short words.
void naplnSlovnik(WordCursor& c) {
    std::string vse;
    for (int kod = 1; kod <= kLetters; ++kod) vse += letterInfo(kod).pismeno;
    for (char a : vse)
        for (char b : vse) c.InsertWord(std::string{a, b});
    const std::string bezne = "aeioulnrstkpv";
    for (char a : bezne)
        for (char b : bezne)
            for (char d : bezne) c.InsertWord(std::string{a, b, d});
}

struct PcStul : HerniStul {
    PcStul(int prvni, uint32_t michani, int hracu, std::vector<int> pocitace)
        : HerniStul(skriptHry(prvni, "", zamichano(michani)), hracu),
          kurzorPC(slovnik.openCursor()),
          pc(hra, *kurzorPC) {
        naplnSlovnik(*kurzor);
        hra.setComputerPlayer(&pc);
        for (int p : pocitace) s.VolbaPC[p] = 1;
    }
    // Every row and column run of two or more tiles is a dictionary word.
    bool deskaJenSlova() {
        for (bool vodorovne : {true, false})
            for (int a = 1; a <= kBoard; ++a) {
                std::string slovo;
                for (int b = 1; b <= kBoard + 1; ++b) {
                    const int t = b > kBoard  ? 0
                                  : vodorovne ? s.Pole[b][a].Pevny
                                              : s.Pole[a][b].Pevny;
                    if (t != 0) {
                        slovo += s.Kameny[t].Pismeno;
                        continue;
                    }
                    if (slovo.size() >= 2 && !kurzor->Lookup(slovo)) return false;
                    slovo.clear();
                }
            }
        return true;
    }
    int pevnych() const {
        int n = 0;
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y) n += s.Pole[x][y].Pevny != 0;
        return n;
    }

    std::unique_ptr<WordCursor> kurzorPC;
    PocitacovyHrac pc;
};

TEST(ComputerTurn, WholeComputerGamesEndByGoingOutOrPassing) {
    for (int hracu = 2; hracu <= 4; ++hracu) {
        for (uint32_t michani : {3u, 11u}) {
            PcStul t(1, michani, hracu, {1, 2, 3, 4});
            t.start();
            SCOPED_TRACE(std::to_string(hracu) + " seats, shuffle " + std::to_string(michani));
            ASSERT_EQ(t.ui.vysledky.size(), 1u);  // the game came to its end
            EXPECT_TRUE(t.ui.pravidla.empty());   // no move of the computer was refused
            EXPECT_TRUE(t.ui.slova.empty());
            EXPECT_TRUE(t.deskaJenSlova());
            EXPECT_GT(t.pevnych(), 20);
            bool venku = false;
            for (int p = 1; p <= hracu; ++p)
                venku |= std::all_of(t.s.Zasobnik[p].begin() + 1, t.s.Zasobnik[p].end(),
                                     [](int k) { return k == 0; });
            EXPECT_TRUE(venku ? t.s.Vytazeno == kTiles && checkTiles(t.s).empty()
                              : t.s.PocetVzdani == 2 * hracu);
        }
    }
}

TEST(ComputerTurn, ComputerSeatsAfterAPersonPlayInsideHisMove) {
    PcStul t(1, 5, 3, {2, 3});
    t.start();
    ASSERT_EQ(t.s.NaTahu, 1);
    t.hra.PrehazujClick();  // the person passes
    EXPECT_EQ(t.s.NaTahu, 1);
    EXPECT_EQ(t.s.CisloTahu, 4);
    EXPECT_GT(t.pevnych(), 1);
    EXPECT_TRUE(t.deskaJenSlova());
    EXPECT_EQ(t.s.HrajePC, 0);
    EXPECT_EQ(t.ui.titulek(Titulek::Display), "");
}

TEST(ComputerTurn, ComputerOnMoveAtTheStartPlaysAtOnce) {
    PcStul t(1, 9, 2, {1});
    t.start();
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(t.s.CisloTahu, 2);
    EXPECT_GE(t.pevnych(), 2);
    EXPECT_GT(t.s.Hraci[1].BodyCelkem, 0);
}

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
    const auto stojan = t.s.Zasobnik[1];
    EXPECT_EQ(t.ui.slova.size(), 1u);
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(t.s.CisloTahu, 2);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) EXPECT_EQ(t.s.Pole[x][y].Novy + t.s.Pole[x][y].Pevny, 0);
    EXPECT_EQ(std::count(stojan.begin() + 1, stojan.end(), 0), 0);
}

TEST(Hint, RefusedInExchangeModeOrWithTilesOfTheMoveOnTheBoard) {
    PcStul t(1, 5, 2, {});
    t.start();
    int dialogu = 0;
    auto tip = [&] { t.pc.TipClick([&](const TAI&) { return ++dialogu; }); };
    t.hra.VymenitClick();
    tip();  // a turn is a word or an exchange, never both
    t.ui.oznaceno = {1};
    t.hra.VymenitClick();
    EXPECT_EQ(t.pevnych(), 0);
    EXPECT_EQ(t.s.NaTahu, 2);
    polozPoCeste(t.s, 1);
    tip();
    EXPECT_EQ(dialogu, 0);
    EXPECT_EQ(t.ui.vymenaOdmitnuta, 1);
    EXPECT_EQ(t.s.NaTahu, 2);
}

TEST(Hint, LaysTheChosenCandidateAndHandsTheTurnOn) {
    PcStul t(1, 5, 2, {});
    t.start();
    const auto stojan = t.s.Zasobnik[1];
    Kandidat treti;
    std::vector<std::string> nabidka;
    t.pc.TipClick([&](const TAI& ai) {
        nabidka = seznam(ai);
        treti = ai.Kandidati[3];
        return 3;
    });
    ASSERT_GE(nabidka.size(), 3u);
    for (const std::string& k : nabidka) EXPECT_NE(k.find(" 8 H "), std::string::npos) << k;
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(t.s.Hraci[1].BodyCelkem > 0, true);
    std::string polozeno;
    for (size_t i = 0; i < treti.Slovo.size(); ++i) {
        const int tile = t.s.Pole[treti.X + static_cast<int>(i)][8].Pevny;
        ASSERT_NE(tile, 0);
        EXPECT_NE(std::find(stojan.begin() + 1, stojan.end(), tile), stojan.end());
        polozeno += t.s.Kameny[tile].Pismeno;
    }
    EXPECT_EQ(polozeno, treti.Slovo);
    EXPECT_EQ(t.pc.ai().Kandidati[1].Slovo, treti.Slovo);
}

}  // namespace
}  // namespace tb::test
