// A saved game loaded into a fresh game screen goes on where it stopped:
// the turn cycle resumes it and its record grows from the restored one.

#include <gtest/gtest.h>

#include "menu/file_lines.h"
#include "menu/saved_game.h"
#include "menu/slot_files.h"
#include "record/record_lines.h"
#include "support/game_fixture.h"

namespace tb {
namespace {

TEST(ResumedGame, PlayContinuesWithTheNextRecord) {
    const auto skript = test::skriptHry(1, "pesalkoabcdeft", test::zamichano(1));
    test::HerniStul a(skript);
    a.start();
    for (int i = 0; i < 11; ++i) a.hra.PrehazujClick();  // passes: no word lies, no end
    ASSERT_EQ(a.s.CisloTahu, 12);
    ASSERT_EQ(a.s.PosledniTah, 12);
    test::polozPoCeste(a.s, 3);  // tiles laid when the game is saved
    const FileRoot rootA(a.dir.path());
    SaveAndExit(a.s, rootA, 3, "6.12.2026");
    EXPECT_EQ((*readSlotLines(rootA, 3, false))[2], "11");

    test::HerniStul b(skript);
    const FileRoot rootB(b.dir.path());
    writeUserFile(rootB, slotName(3, false), readFile(rootA.resolve(slotName(3, false))));
    LoadGame(b.s, rootB, 3);
    EXPECT_EQ(b.s.PosledniTah, 12);
    b.hra.NastavCasovac(true, 1);
    b.hra.DXTimer1Timer();  // the first tick resumes without counting moves
    EXPECT_EQ(b.s.CisloTahu, 12);
    EXPECT_EQ(b.s.NaTahu, a.s.NaTahu);
    EXPECT_EQ(b.s.Zasobnik, a.s.Zasobnik);
    LoadZobrazPole(b.s);  // the reveal, after which the screen clears NahranaHra
    b.s.NahranaHra = 0;

    // The same move in the saved game and in the loaded one.
    a.tah(3);
    b.tah(3);
    EXPECT_EQ(b.s.PosledniTah, 13);
    const auto ra = rozdelRadky(a.mainDat()), rb = rozdelRadky(b.mainDat());
    ASSERT_EQ(rb.size(), 13u * 34);
    EXPECT_TRUE(std::equal(ra.begin(), ra.begin() + 12 * 34, rb.begin()));
    EXPECT_EQ(rb[12 * 34], "13");
    EXPECT_NE(rb[12 * 34 + 1], "");
    EXPECT_EQ(rb[12 * 34 + 1], ra[12 * 34 + 1]);  // the same words and points
    // Past the clocks, the position after the move is the same.
    EXPECT_TRUE(std::equal(ra.begin() + 12 * 34 + 4, ra.end(), rb.begin() + 12 * 34 + 4));
}

}  // namespace
}  // namespace tb
