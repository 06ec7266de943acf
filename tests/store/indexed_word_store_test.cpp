#include "store/indexed_word_store.h"

#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
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

// The list is read on its own thread; the game's thread asks while it may
// still be reading, and gets the complete answer either way.
TEST(IndexedWordStore, QuestionsFromTheGameThreadWaitForTheReadingThread) {
    std::promise<void> gate;
    auto opened = gate.get_future();
    std::vector<std::string> words;
    const std::string letters = "abcdeghijklmnoprstuvyz";
    for (char a : letters)
        for (char b : letters) words.push_back(std::string{a, b, 'a'});
    auto loading = std::async(std::launch::async, [&] {
        opened.wait();
        return indexOf(words);
    });
    IndexedWordStore store(std::move(loading), nullptr);
    auto cursor = store.openCursor();  // the reading has not even begun
    gate.set_value();
    for (const auto& w : words) ASSERT_TRUE(cursor->Lookup(w)) << w;
    EXPECT_FALSE(cursor->Lookup("zzz"));
    cursor->SeekNearest("");
    EXPECT_EQ(cursor->Browse(1000).size(), words.size());
}

// A list that cannot be read fails every question alike, not only the first.
TEST(IndexedWordStore, AFailedReadingFailsEveryQuestion) {
    auto loading = std::async(std::launch::deferred,
                              []() -> WordIndex { throw std::runtime_error("Slovnik_cz.db"); });
    IndexedWordStore store(std::move(loading), nullptr);
    auto cursor = store.openCursor();
    EXPECT_THROW(cursor->Lookup("pes"), std::runtime_error);
    EXPECT_THROW(cursor->SeekNearest("pes"), std::runtime_error);
    EXPECT_THROW(cursor->Browse(3), std::runtime_error);
}

}  // namespace
}  // namespace tb
