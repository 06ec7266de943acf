#include "store/indexed_word_store.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "files/text.h"
#include "index_of.h"

namespace tb {
namespace {

// The game opens the store and both cursors before its first frame; the
// words arrive later. Nothing before the first question may wait for them,
// and the first question must see every word.
TEST(IndexedWordStore, OpeningWaitsForNothingAndTheFirstQuestionSeesTheWholeList) {
    bool loaded = false;
    auto loading = std::async(std::launch::deferred, [&] {
        loaded = true;
        return indexOf({"ahoj", "čáp", "pes", "žába"});
    });
    IndexedWordStore store(std::move(loading), nullptr);
    auto game = store.openCursor();
    auto pc = store.openCursor();
    EXPECT_FALSE(loaded);

    EXPECT_TRUE(pc->Lookup(utf8ToCp1250("žába")));
    EXPECT_TRUE(loaded);
    game->SeekNearest("b");
    EXPECT_EQ(game->Browse(5),
              (std::vector<std::string>{utf8ToCp1250("čáp"), "pes", utf8ToCp1250("žába")}));
}

}  // namespace
}  // namespace tb
