#include "store/memory_word_store.h"

#include <gtest/gtest.h>

namespace tb {
namespace {

TEST(MemoryWordStore, TwoCursorsShareTheWords) {
    MemoryWordStore store{"les", "pes"};
    auto game = store.openCursor();
    auto pc = store.openCursor();
    EXPECT_TRUE(pc->Lookup("pes"));
    EXPECT_FALSE(pc->Lookup("pe-"));
    game->SeekNearest("osel");
    game->InsertWord("osel");
    EXPECT_TRUE(pc->Lookup("osel"));
    game->SeekNearest("m");
    EXPECT_EQ(game->Browse(5), (std::vector<std::string>{"osel", "pes"}));
    EXPECT_THROW(game->InsertWord(""), BadWordError);
    EXPECT_THROW(game->InsertWord("qu"), BadWordError);
    ASSERT_TRUE(game->Lookup("les"));
    game->DeleteWord();
    EXPECT_FALSE(pc->Lookup("les"));
}

}  // namespace
}  // namespace tb
