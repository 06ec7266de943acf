// Saving a game that goes on: a record file that missed the last move is not
// saved over a good slot.

#include <gtest/gtest.h>

#include "engine/saves/saved_game.h"
#include "engine/saves/slot_files.h"
#include "support/game_fixture.h"

namespace tb {
namespace {

TEST(ResumedGame, ARecordMissingTheLastMoveIsNotSavedOverAGoodSlot) {
    test::HerniStul a(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(3)));
    const FileRoot root(a.dir.path());
    a.start();
    a.tah(3);
    SaveAndExit(a.s, root, 3, "6.12.2026");
    const std::string stary = a.mainDat();
    a.hra.PrehazujClick();
    writeFileAtomic(a.zapis.mainDat(), stary);
    const std::string slot3 = readFile(root.resolve(slotName(3, false)));
    EXPECT_THROW(SaveAndExit(a.s, root, 3, "6.12.2026"), FileError);
    EXPECT_EQ(readFile(root.resolve(slotName(3, false))), slot3);
}

}  // namespace
}  // namespace tb
