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
    const struct {
        Cand c;
        const char* odhad;
    } cases[] = {
        {{"pes", 1, 1, true}, "pes 1 1 H 9"},                         // 3S under the first letter
        {{"\357as", 4, 1, true}, "\357as 4 1 H 18"},                  // ď on a 2P
        {{"\363da", 2, 2, false}, "\363da 2 2 V 26"},                 // ó down from a 2S
        {{"\236a", 6, 6, false}, "\236a 6 6 V 13"},                   // ž on a 3P
        {{"aaaaaaaa", 1, 1, true}, "aaaaaaaa 1 1 H 81"},              // two 3S multiply, 2P between
        {{"\x9D\xF9\xF2", 13, 13, true}, "\x9D\xF9\xF2 13 13 H 36"},  // ťůň from a 2S
    };
    for (const auto& c : cases) EXPECT_EQ(scored({c.c}, 1), std::vector<std::string>{c.odhad});
}

TEST(Estimate, ShortWordsDroppedAndLaterCandidateWinsATie) {
    const std::vector<Cand> cands = {{"pes", 7, 8, true}, {"a", 8, 8, true},
                                     {"sep", 7, 8, true}, {"\363da", 7, 8, true},
                                     {"es", 8, 8, true},  {"les", 7, 8, false}};
    using W = std::vector<std::string>;
    const W serazene = {"\363da 7 8 H 13", "les 7 8 V 4", "sep 7 8 H 3", "pes 7 8 H 3",
                        "es 8 8 H 2"};
    EXPECT_EQ(scored(cands, 2), serazene);
    EXPECT_EQ(scored(cands, 3), W(serazene.begin(), serazene.end() - 1));
    EXPECT_EQ(scored(cands, 4), W{});
}

}  // namespace
}  // namespace tb::test
