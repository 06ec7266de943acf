#include <gtest/gtest.h>

#include "files/file_lines.h"
#include "files/text.h"
#include "support/game_fixture.h"

namespace tb {
namespace {

using test::HerniStul;
using test::polozPoCeste;

TEST(TahovyCyklus, GoingOutChargesTheRacksAndCreditsTheWinner) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(3)));
    t.start();
    // Near the end: the bag is empty, seat 1 holds one tile, seat 2 tiles worth 7.
    t.s.Vytazeno = kTiles;
    t.s.Zasobnik[1] = {0, 0, 0, 0, 0, 0, 0, 1};    // slot 7: "a"
    t.s.Zasobnik[2] = {0, 2, 9, 11, 49, 0, 0, 0};  // a, b, c, n: 1 + 2 + 3 + 1
    t.s.Pole[7][8].Pevny = 60;                     // "p" to lay against
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
    ASSERT_EQ(t.ui.vysledky.size(), 1u);
    EXPECT_EQ(t.ui.vysledky[0].wpl, 1);
    const std::string soubor = t.mainDat();
    const std::string konec = utf8ToCp1250(
        "2Nevyužití všech písmen :   -7\r\n\r\n1Využití všech písmen :     +7\r\n\r\n"
        "1:02:05\r\n39\r\n33\r\n");
    EXPECT_EQ(soubor.substr(soubor.size() - konec.size()), konec);
    EXPECT_EQ(splitLines(soubor).size(), 2u * 34 + 7);
}

// A failed record write still hands the move over, computer seats included,
// and is told, once even when something else breaks the move off.
TEST(TahovyCyklus, AFailedRecordWriteStillFinishesTheHandOverThenReports) {
    HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(8)));
    t.s.VolbaPC = {0, 0, 1};
    t.start();
    std::filesystem::remove_all(t.dir.path() / "Data");
    polozPoCeste(t.s, 3);
    EXPECT_THROW(t.hra.PrehazujClick(), FileError);
    EXPECT_EQ(t.s.NaTahu, 1);  // the computer seat has passed after the person's move
    EXPECT_EQ(t.s.CisloTahu, 3);
    std::filesystem::create_directories(t.dir.path() / "Data");
    EXPECT_NO_THROW(t.hra.PrehazujClick());

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

}  // namespace
}  // namespace tb
