#include "store/word_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "engine/ai/word_graph.h"
#include "engine/game/word_store.h"
#include "files/text.h"
#include "index_of.h"

namespace tb {
namespace {

std::vector<std::string> allWords(const WordIndex& index) {
    std::vector<std::string> out;
    for (size_t i = 0; i < index.size(); ++i) out.push_back(cp1250ToUtf8(index.wordAt(i)));
    return out;
}

// Records no tile could lay are skipped.
TEST(WordIndex, KeepsCzechAlphabeticalOrderWithoutDuplicates) {
    const auto index = indexOf({"žába",  "cena",  "čáp", "áčko",  "ahoj", "zima", "čáp",
                                "chata", "hrad",  "ďas", "dům",   "ůl",   "úl",   "ul",
                                "tma",   "ťukat", "zz",  "Praha", "quiz", "x",    "k-k"});
    EXPECT_EQ(allWords(index), (std::vector<std::string>{"ahoj", "áčko", "cena", "chata", "čáp",
                                                         "dům", "ďas", "hrad", "tma", "ťukat", "ul",
                                                         "ůl", "úl", "zima", "zz", "žába"}));
}

TEST(WordIndex, ContainsOnlyExactWordsOfTheLetters) {
    const auto index = indexOf({"pes", "pesa", "ž"});
    for (const char* w : {"pes", "pesa", "\x9E"}) EXPECT_TRUE(index.contains(w)) << w;
    // Ž (\x8E) is not lowered.
    for (const std::string& w :
         {std::string("pe"), std::string("pesy"), std::string(), std::string("-"),
          std::string("pe-"), std::string("PES"), std::string("\x8E"), std::string("pes\0", 4),
          std::string(300, 'a')})
        EXPECT_FALSE(index.contains(w)) << w;
}

TEST(WordIndex, LowerBoundFindsFirstWordNotBeforeTypedText) {
    const auto index = indexOf({"ahoj", "čáp", "cena", "pes", "žába"});
    struct Case {
        std::string typed;
        size_t pos;
    } cases[] = {
        {"", 0},          {"a", 0}, {"ahoj", 0}, {"ahoja", 1}, {"c", 1},    {"\xE8", 2},
        {"\xE8\xE1p", 2}, {"d", 3}, {"pes", 3},  {"z", 4},     {"\x9E", 4}, {"\x9E\x9E", 5},
        {"A", 0},         {"1", 0}, {"p-", 3},   {"\xC1", 5},  // Á sorts after every letter
    };
    for (const auto& c : cases) EXPECT_EQ(index.lowerBound(c.typed), c.pos) << c.typed;
}

// Distinct words of plain letters, which keep byte order.
std::vector<std::string> numberedWords(int from, int to) {
    std::vector<std::string> words;
    for (int i = from; i < to; ++i) {
        static const char kLetters[] = "abcdefghijklmnoprstu";
        std::string w;
        for (int n = i; n > 0 || w.empty(); n /= 20) w += kLetters[n % 20];
        words.push_back(w);
    }
    return words;
}

TEST(WordIndex, InsertAndEraseKeepTheOrder) {
    WordIndex index;
    index.seal();
    // Enough words to make the table grow several times, then erase half.
    const std::vector<std::string> words = numberedWords(0, 5000);
    for (const auto& w : words) EXPECT_TRUE(index.insert(w));
    EXPECT_FALSE(index.insert(words[17]));
    for (size_t i = 0; i < words.size(); i += 2) EXPECT_TRUE(index.erase(words[i]));
    EXPECT_FALSE(index.erase(words[0]));
    for (size_t i = 0; i < words.size(); ++i) EXPECT_EQ(index.contains(words[i]), i % 2 == 1);
    EXPECT_EQ(index.size(), words.size() / 2);
    for (size_t i = 1; i < index.size(); ++i)
        EXPECT_LT(index.wordAt(i - 1), index.wordAt(i));  // these letters keep byte order
    EXPECT_TRUE(index.insert(words[0]));                  // an erased word comes back
}

// The player's changes stand in their places among the graph's words.
TEST(WordIndex, TheGraphsWordsAndThePlayersChangesKeepOneOrder) {
    const auto words = numberedWords(0, 3000);
    WordIndex index = indexOf(words);
    std::set<std::string> model(words.begin(), words.end());
    for (size_t i = 0; i < words.size(); i += 3) {
        ASSERT_TRUE(index.erase(words[i]));
        model.erase(words[i]);
    }
    for (const auto& w : numberedWords(2900, 3300)) {  // some erased, some new
        ASSERT_EQ(index.insert(w + "v"), model.insert(w + "v").second);
        ASSERT_EQ(index.insert(w), model.insert(w).second);
    }
    const std::string added = numberedWords(3000, 3001)[0] + "v";
    ASSERT_TRUE(index.erase(added));
    model.erase(added);
    ASSERT_EQ(index.size(), model.size());
    size_t pos = 0;
    for (const auto& w : model) {
        ASSERT_EQ(index.wordAt(pos), w) << pos;
        ASSERT_EQ(index.lowerBound(w), pos++) << w;
        ASSERT_TRUE(index.contains(w)) << w;
    }
    for (size_t i = 0; i < words.size(); i += 3)
        EXPECT_EQ(index.contains(words[i]), model.contains(words[i])) << words[i];
    EXPECT_EQ(index.lowerBound("zz"), model.size());
}

// A damaged graph file whose edges go round in a circle.
TEST(WordIndex, RefusesAGraphThatGoesRoundInACircle) {
    std::string bytes = buildWordGraph({"\x01\x02"});  // "ab"
    // The last edge, from "a" on "b", leads back to "a".
    uint32_t a = 0;
    std::memcpy(&a, bytes.data() + bytes.size() - 4, 4);
    std::memcpy(bytes.data() + bytes.size() - 8, &a, 4);
    EXPECT_THROW(WordIndex(std::make_shared<const WordGraph>(bytes, "test")), FileError);
}

TEST(WordIndex, RefusesWordsNoMoveCouldUse) {
    WordIndex index;
    for (const std::string& bad :
         std::vector<std::string>{"", "-", "Pes", "qua", "pes ", std::string(16, 'a')})
        EXPECT_THROW(index.insert(bad), BadWordError) << bad;
    EXPECT_EQ(index.size(), 0u);
    // The longest word that fits the board, of the last letter.
    EXPECT_TRUE(index.insert(std::string(15, '\x9E')));
    EXPECT_TRUE(index.contains(std::string(15, '\x9E')));
    EXPECT_EQ(index.wordAt(0), std::string(15, '\x9E'));
    EXPECT_EQ(index.lowerBound(std::string(15, '\x9E')), 0u);
    EXPECT_EQ(index.lowerBound(std::string(16, '\x9E')), 1u);  // longer sorts after
}

}  // namespace
}  // namespace tb
