// A saved game loaded into a fresh game screen goes on where it stopped:
// the turn cycle resumes it and its record grows from the restored one.

#include <gtest/gtest.h>

#include "engine/record/replay.h"
#include "engine/saves/saved_game.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"
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
    b.hra.frameTick();  // the first tick resumes without counting moves
    EXPECT_EQ(b.s.CisloTahu, 12);
    EXPECT_EQ(b.s.NaTahu, a.s.NaTahu);
    EXPECT_EQ(b.s.Zasobnik, a.s.Zasobnik);
    LoadZobrazPole(b.s);  // the reveal
    EXPECT_EQ(b.s.Faze, Phase::Play);

    // The same move in the saved game and in the loaded one.
    a.tah(3);
    b.tah(3);
    EXPECT_EQ(b.s.PosledniTah, 13);
    const auto ra = splitLines(a.mainDat()), rb = splitLines(b.mainDat());
    ASSERT_EQ(rb.size(), 13u * 34);
    EXPECT_TRUE(std::equal(ra.begin(), ra.begin() + 12 * 34, rb.begin()));
    EXPECT_EQ(rb[12 * 34], "13");
    EXPECT_NE(rb[12 * 34 + 1], "");
    EXPECT_EQ(rb[12 * 34 + 1], ra[12 * 34 + 1]);  // the same words and points
    // Past the clocks, the position after the move is the same.
    EXPECT_TRUE(std::equal(ra.begin() + 12 * 34 + 4, ra.end(), rb.begin() + 12 * 34 + 4));
}

// Stepping through the record brings back a position with its pass count,
// and a save made there keeps that position with the record cut back to it,
// as playing on from it would.
TEST(ResumedGame, StepsAndSavesKeepThePositionTheRecordAndThePassCount) {
    const auto skript = test::skriptHry(1, "pesalkoabcdeft", test::zamichano(3));
    test::HerniStul a(skript);
    const FileRoot rootA(a.dir.path());
    a.start();
    a.tah(3);
    for (int i = 0; i < 3; ++i) a.hra.PrehazujClick();
    ASSERT_EQ(a.s.CisloTahu, 5);
    ZpetClick(a.s, a.ui, a.zapis);
    EXPECT_EQ(a.s.PocetVzdani, 2);
    VpredClick(a.s, a.ui, a.zapis);
    EXPECT_EQ(a.s.PocetVzdani, 3);
    ZpetClick(a.s, a.ui, a.zapis);
    SaveAndExit(a.s, rootA, 4, "6.12.2026");  // two passes after the word
    ZpetClick(a.s, a.ui, a.zapis);
    ZpetClick(a.s, a.ui, a.zapis);
    ASSERT_EQ(a.s.CisloTahu, 2);
    EXPECT_EQ(a.s.PocetVzdani, 0);
    SaveAndExit(a.s, rootA, 3, "6.12.2026");  // just after the word
    EXPECT_EQ((*readSlotLines(rootA, 3, false))[2], "1");

    test::HerniStul b(skript);
    const FileRoot rootB(b.dir.path());
    auto nahraj = [&](int slot) {
        writeUserFile(rootB, slotName(slot, false), readFile(rootA.resolve(slotName(slot, false))));
        LoadGame(b.s, rootB, slot);
        b.hra.NastavCasovac(true, 1);
        b.hra.frameTick();
        LoadZobrazPole(b.s);
    };
    nahraj(4);
    EXPECT_EQ(b.s.CisloTahu, 4);
    EXPECT_EQ(b.s.PocetVzdani, 2);
    nahraj(3);
    EXPECT_EQ(b.s.CisloTahu, 2);
    EXPECT_EQ(b.s.PocetVzdani, 0);
    EXPECT_EQ(splitLines(b.mainDat()).size(), 2u * 34);

    // One pass from the earlier position ends nothing, here or in the loaded game.
    a.hra.PrehazujClick();
    b.hra.PrehazujClick();
    for (const test::HerniStul* h : {&a, &b}) {
        EXPECT_TRUE(h->ui.vysledky.empty());
        EXPECT_EQ(h->s.PocetVzdani, 1);
        EXPECT_EQ(h->s.Pole, a.s.Pole);
        EXPECT_EQ(splitLines(h->mainDat()).size(), 3u * 34);
    }

    // A record file that missed the last move is not saved over a good slot.
    const std::string stary = a.mainDat();
    a.hra.PrehazujClick();
    writeFileAtomic(a.zapis.mainDat(), stary);
    const std::string slot3 = readFile(rootA.resolve(slotName(3, false)));
    EXPECT_THROW(SaveAndExit(a.s, rootA, 3, "6.12.2026"), FileError);
    EXPECT_EQ(readFile(rootA.resolve(slotName(3, false))), slot3);
}

}  // namespace
}  // namespace tb
