#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "files/file_lines.h"
#include "files/text.h"
#include "support/game_fixture.h"

namespace tb {
namespace {

using test::HerniStul;
using test::polozPoCeste;

std::string crlf(std::initializer_list<std::string> radky) {
    std::string out;
    for (const auto& r : radky) out += r + "\r\n";
    return out;
}

std::vector<std::string> radkyZaznamu(const std::string& soubor, int k) {
    auto v = splitLines(soubor);
    return {v.begin() + (k - 1) * 34, v.begin() + k * 34};
}

TEST(TahovyCyklus, FirstTickDealsAndWritesRecordOneExactly) {
    HerniStul t(test::skriptHry(2, "pesalkoabcdeft", test::zamichano(1)));
    t.start();
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(t.s.CisloTahu, 1);
    EXPECT_EQ(t.s.PosledniTah, 1);
    EXPECT_EQ(t.s.PocetVzdani, 0);
    EXPECT_EQ(t.s.Vytazeno, 14);
    EXPECT_EQ(t.hra.interval(), 1000);
    EXPECT_EQ(t.s.Faze, Phase::Play);
    EXPECT_EQ(t.ui.titulek(Titulek::CasCelkem), "0:00:01");
    for (int slot = 1; slot <= kRack; ++slot) {
        EXPECT_EQ(t.s.Kameny[t.s.Zasobnik[2][slot]].Aktivni, 1);
        EXPECT_EQ(t.s.Kameny[t.s.Zasobnik[1][slot]].Aktivni, 0);
    }
    std::string deska;
    for (int y = 0; y < 15; ++y) deska += "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\r\n";
    // Seat 2 starts and gets the first seven tiles of the bag.
    EXPECT_EQ(t.mainDat(), crlf({"1", "", "0", "0", "2", "14", "2,9,11,15,19,26,76,", "0", "0",
                                 "60,18,69,1,42,38,53,", "0", "0", "0,0,0,0,0,0,0,", "0", "0",
                                 "0,0,0,0,0,0,0,", "0", "0"}) +
                               deska + "\r\n");
}

TEST(TahovyCyklus, AcceptedMoveIsScoredFixedRecordedAndHandedOver) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(1)));
    t.start();
    t.tah(3);  // "pes" on (8,8)-(10,8)
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(t.s.Hraci[1].BodyTah, 3);
    EXPECT_EQ(t.ui.titulek(Titulek::BodyCelkem, 1), "3");
    EXPECT_EQ(t.s.Pole[8][8].Novy, 0);
    EXPECT_EQ(t.s.Kameny[t.s.Pole[8][8].Pevny].Aktivni, 0);
    EXPECT_EQ(t.s.PrvniTah, 0);
    EXPECT_EQ(t.s.Vytazeno, 17);
    EXPECT_EQ(t.s.Rozpis, "");
    const auto r2 = radkyZaznamu(t.mainDat(), 2);
    EXPECT_EQ(r2[0], "2");
    EXPECT_EQ(r2[1], "pes(8,8) :3,");
    EXPECT_EQ(r2[4], "2");
    EXPECT_EQ(r2[25], "0,0,0,0,0,0,0,60,18,69,0,0,0,0,0,");
}

TEST(TahovyCyklus, PassesEndTheGameOnlyOnceAWordLies) {
    {
        HerniStul t(test::skriptHry(1, "", test::zamichano(2)), 3);
        t.start();
        for (int i = 0; i < 12; ++i) t.hra.PrehazujClick();
        EXPECT_TRUE(t.ui.vysledky.empty());
        EXPECT_EQ(t.s.PrvniTah, 1);
        EXPECT_EQ(t.s.PocetVzdani, 12);
    }
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(2)));
    t.start();
    t.tah(3);
    for (int i = 0; i < 3; ++i) t.hra.PrehazujClick();
    t.ui.oznaceno = {1};
    t.hra.VymenitClick();
    t.hra.VymenitClick();  // the exchange is no pass
    EXPECT_EQ(t.s.PocetVzdani, 0);
    for (int i = 0; i < 3; ++i) t.hra.PrehazujClick();
    EXPECT_TRUE(t.ui.vysledky.empty());
    t.hra.PrehazujClick();
    ASSERT_EQ(t.ui.vysledky.size(), 1u);
    EXPECT_EQ(t.hra.interval(), 0);
    EXPECT_NE(std::find(t.ui.calls.begin(), t.ui.calls.end(), "menu"), t.ui.calls.end());
}

TEST(TahovyCyklus, GoingOutChargesTheRacksAndCreditsTheWinner) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(3)));
    t.start();
    // Near the end: the bag is empty, seat 1 holds one tile, seat 2 tiles worth 7.
    t.s.Vytazeno = kTiles;
    t.s.Zasobnik[1] = {0, 0, 0, 0, 0, 0, 0, 1};   // slot 7: "a"
    t.s.Zasobnik[2] = {0, 2, 9, 11, 0, 0, 0, 0};  // a, b, c: 1 + 2 + 3
    t.s.Zasobnik[2][4] = 49;                      // n: 1
    t.s.Pole[7][8].Pevny = 60;                    // "p" to lay against
    // The other 91 tiles lie on the board away from the move: rows 15..10, then 1.
    for (int k = 1, i = 0; k <= kTiles; ++k)
        if (k != 1 && k != 2 && k != 9 && k != 11 && k != 49 && k != 60) {
            t.s.Pole[i % kBoard + 1][i < 90 ? kBoard - i / kBoard : 1].Pevny = k;
            ++i;
        }
    t.s.PrvniTah = 0;
    t.s.Hraci[1].BodyCelkem = 30;
    t.s.Hraci[2].BodyCelkem = 40;
    t.s.SekundHry = 3725;
    t.tah(1);  // "pa"
    EXPECT_EQ(t.s.Hraci[1].BodyCelkem, 30 + 2 + 7);
    EXPECT_EQ(t.s.Hraci[2].BodyCelkem, 40 - 7);
    ASSERT_EQ(t.ui.vysledky.size(), 1u);
    EXPECT_EQ(t.ui.vysledky[0].obrazek, VysledekObrazek::WinPL);
    EXPECT_EQ(t.ui.vysledky[0].wpl, 1);
    EXPECT_EQ(cp1250ToUtf8(t.ui.vysledky[0].radekVitez), "Jméno vítěze: Eva");
    EXPECT_EQ(cp1250ToUtf8(t.ui.vysledky[0].radekDelka), "Délka hry: 1:02:05");
    const std::string soubor = t.mainDat();
    const std::string konec = utf8ToCp1250(
        "2Nevyužití všech písmen :   -7\r\n\r\n1Využití všech písmen :     +7\r\n\r\n"
        "1:02:05\r\n39\r\n33\r\n");
    ASSERT_GE(soubor.size(), konec.size());
    EXPECT_EQ(soubor.substr(soubor.size() - konec.size()), konec);
    EXPECT_EQ(splitLines(soubor).size(), 2u * 34 + 7);
}

TEST(TahovyCyklus, TimeLimitWaitsForACarriedTileAndEndsTheMoveOnce) {
    HerniStul t(test::skriptHry(1, "", test::zamichano(4)));
    t.s.SLimitem = 1;
    t.s.LimitTahu = 2;
    t.start();  // first tick: 2 -> 1
    t.hra.frameTick();
    EXPECT_EQ(t.s.ZbyvaCasu, 0);
    EXPECT_EQ(t.ui.titulek(Titulek::Odpocet), "0:00:00");
    t.s.VRuce.kamen = std::exchange(t.s.Zasobnik[t.s.NaTahu][1], 0);
    t.hra.frameTick();
    t.hra.frameTick();
    EXPECT_TRUE(t.ui.cerveny);
    EXPECT_EQ(t.s.CisloTahu, 1);
    t.s.Zasobnik[t.s.NaTahu][1] = std::exchange(t.s.VRuce.kamen, 0);
    t.hra.frameTick();
    EXPECT_FALSE(t.ui.cerveny);
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(t.s.CisloTahu, 2);
    EXPECT_EQ(t.s.ZbyvaCasu, 2);
    EXPECT_EQ(t.s.SekundTahu, 0);
}

TEST(TahovyCyklus, ExpiredTimeOffersOnlyTakeBackOrAdd) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(5)));
    t.s.SLimitem = 1;
    t.s.LimitTahu = 1;
    t.start();
    test::polozPoCeste(t.s, 3);
    t.ui.slovaOdpovedi = {DialogVolba::VzitZpet};
    t.hra.frameTick();
    ASSERT_EQ(t.ui.slova.size(), 1u);
    EXPECT_EQ(t.ui.slova[0].casVyprsel, 1);
    EXPECT_EQ(t.s.NaTahu, 2);  // taken back: the move ends as a pass
    EXPECT_EQ(t.s.PocetVzdani, 1);
}

TEST(TahovyCyklus, ExchangeRefusalCancelAndRecord) {
    HerniStul t(test::skriptHry(1,
                                "a\x9e"
                                "bcdefgh",
                                test::zamichano(6)));
    t.start();
    test::polozPoCeste(t.s, 1);
    t.hra.VymenitClick();
    EXPECT_EQ(t.ui.vymenaOdmitnuta, 1);
    EXPECT_EQ(t.s.RezimVymeny, 0);
    t.hra.Oprav(8, 8, "a", true);

    t.hra.VymenitClick();
    EXPECT_EQ(t.s.RezimVymeny, 1);
    t.hra.VymenitClick();  // nothing marked: cancelled, the move goes on
    EXPECT_EQ(t.s.RezimVymeny, 0);
    EXPECT_EQ(t.s.NaTahu, 1);

    const int sedmy = t.s.Pytel[7];
    t.hra.VymenitClick();
    t.ui.oznaceno = {1, 2};
    t.hra.VymenitClick();
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(t.s.Vytazeno, 14);
    EXPECT_TRUE(t.ui.oznaceno.empty());
    EXPECT_EQ(t.s.Pytel[7], sedmy);
    EXPECT_EQ(cp1250ToUtf8(radkyZaznamu(t.mainDat(), 2)[1]), "Výměna:a,ž,");
}

TEST(TahovyCyklus, AFailedRecordWriteStillFinishesTheHandOverThenReports) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(8)));
    t.s.VolbaPC = {0, 0, 1};
    t.start();
    std::filesystem::remove_all(t.dir.path() / "Data");
    polozPoCeste(t.s, 3);
    EXPECT_THROW(t.hra.PrehazujClick(), FileError);
    EXPECT_EQ(t.s.NaTahu, 1);  // the computer seat has passed after the person's move
    EXPECT_EQ(t.s.CisloTahu, 3);
    EXPECT_EQ(t.s.Rozpis, "");
    EXPECT_EQ(t.s.PocetVzdani, 1);
    std::filesystem::create_directories(t.dir.path() / "Data");
    EXPECT_NO_THROW(t.hra.PrehazujClick());

    // A failed write in a move that something else breaks off is told with
    // it, once, and not at a later action.
    struct Padajici : ComputerPlayer {
        void JedPC() override { throw std::runtime_error("search failed"); }
    } padajici;
    t.hra.setComputerPlayer(&padajici);
    std::filesystem::remove_all(t.dir.path() / "Data");
    polozPoCeste(t.s, 2);  // a word, or the passes would end the game
    try {
        t.hra.PrehazujClick();
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("search failed"), std::string::npos);
    }
    std::filesystem::create_directories(t.dir.path() / "Data");
    t.hra.setComputerPlayer(nullptr);
    EXPECT_NO_THROW(t.hra.PrehazujClick());
}

class TahujiciPC : public ComputerPlayer {
  public:
    explicit TahujiciPC(Hra& h) : h_(h) {}
    void JedPC() override {
        ++tahu;
        displej = h_.stav().HrajePC;
        test::polozPoCeste(h_.stav(), 2);
        h_.prehod();
    }
    int tahu = 0;
    int displej = 0;

  private:
    Hra& h_;
};

TEST(TahovyCyklus, ComputerSeatsMoveInsideThePersonsMove) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdefthijklmnoprst", test::zamichano(7)), 4);
    t.s.VolbaPC = {0, 0, 1, 1, 1};
    t.start();
    t.tah(3);
    EXPECT_EQ(t.s.NaTahu, 1);
    EXPECT_EQ(t.s.CisloTahu, 5);  // three passes of seats without a computer player
    EXPECT_EQ(t.s.HrajePC, 0);

    TahujiciPC pc(t.hra);
    t.hra.setComputerPlayer(&pc);
    t.tah(2);
    EXPECT_EQ(pc.tahu, 3);
    EXPECT_EQ(pc.displej, 1);
    EXPECT_EQ(t.s.NaTahu, 1);
    EXPECT_EQ(t.s.CisloTahu, 9);
    EXPECT_EQ(t.ui.titulek(Titulek::Display), "");
}

}  // namespace
}  // namespace tb
