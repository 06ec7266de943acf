// The computer player's estimate, the minimum word length and the order of
// the sorted list.

#include <gtest/gtest.h>

#include "ai_fixture.h"

namespace tb::test {
namespace {

struct Cand {
    std::string slovo;
    int x, y;
    bool h;
};

std::vector<std::string> scored(const std::vector<Cand>& cands, int minPismen) {
    MemoryWordStore store;
    auto cursor = store.openCursor();
    TAI ai(*cursor);
    for (const Cand& c : cands) ai.Kandidati[++ai.PocetKandidatu] = {c.slovo, c.x, c.y, 0, c.h};
    ai.Oboduj(minPismen);
    return seznam(ai);
}

TEST(Estimate, LetterAndWordPremiumsOfEveryCell) {
    struct Case {
        Cand c;
        int body;
    };
    const std::vector<Case> cases = {
        {{"pes", 1, 1, true}, 9},  // 3S under the first letter
        {{"\xEF"
          "as",
          4, 1, true},
         18},  // ď on a 2P
        {{"\xF3"
          "da",
          2, 2, false},
         26},  // ó down from a 2S
        {{"\x9E"
          "a",
          6, 6, false},
         13},                                               // ž on a 3P
        {{"aaaaaaaa", 1, 1, true}, 81},                     // two 3S multiply, 2P between
        {{"\x9D\xF9\xF2", 13, 13, true}, 2 * (7 + 5 + 6)},  // ťůň from a 2S
    };
    for (const Case& c : cases)
        EXPECT_EQ(scored({c.c}, 1).at(0), c.c.slovo + " " + std::to_string(c.c.x) + " " +
                                              std::to_string(c.c.y) + (c.c.h ? " H " : " V ") +
                                              std::to_string(c.body));
}

TEST(Estimate, ShortWordsDroppedAndLaterCandidateWinsATie) {
    const std::vector<Cand> cands = {
        {"pes", 7, 8, true},
        {"a", 8, 8, true},
        {"sep", 7, 8, true},
        {"\xF3"
         "da",
         7, 8, true},
        {"es", 8, 8, true},
        {"les", 7, 8, false},
    };
    using W = std::vector<std::string>;
    EXPECT_EQ(scored(cands, 2), (W{"\xF3"
                                   "da 7 8 H 13",
                                   "les 7 8 V 4", "sep 7 8 H 3", "pes 7 8 H 3", "es 8 8 H 2"}));
    EXPECT_EQ(scored(cands, 3), (W{"\xF3"
                                   "da 7 8 H 13",
                                   "les 7 8 V 4", "sep 7 8 H 3", "pes 7 8 H 3"}));
    EXPECT_EQ(scored(cands, 4), W{});
}

}  // namespace
}  // namespace tb::test
