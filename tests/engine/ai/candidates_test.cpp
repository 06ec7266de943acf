// The candidate list of the computer player: exactly which words, where, and
// in which order, for small racks and tiny dictionaries.

#include <gtest/gtest.h>

#include "ai_fixture.h"

namespace tb::test {
namespace {

using Words = std::vector<std::string>;

struct Search {
    const char* name;
    std::vector<std::tuple<int, int, bool, std::string>> board;
    std::string rack;
    std::initializer_list<std::string> dictionary;
    Words expected;
};

Words search(const Search& c, int minPismen = 2) {
    Deska f;
    for (const auto& [x, y, h, w] : c.board) f.pevne(x, y, h, w);
    f.stojan(1, c.rack);
    f.s.NaTahu = 1;
    f.s.MinPismen = minPismen;
    MemoryWordStore store(c.dictionary);
    auto cursor = store.openCursor();
    TAI ai(*cursor);
    ai.findCandidates(f.s);
    return seznam(ai);
}

TEST(Candidates, ExactListAroundRunsOfOneTwoThreeAndFourRackLetters) {
    const std::vector<Search> cases = {
        {"run of one: rows before columns, later wins a tie",
         {{8, 8, true, "e"}},
         "ps",
         {"pe", "es", "pes", "sep", "eps"},
         {"pes 8 7 V 3", "eps 8 8 V 3", "sep 8 7 V 3", "pes 7 8 H 3", "eps 8 8 H 3", "sep 7 8 H 3",
          "pe 8 7 V 2", "es 8 8 V 2", "pe 7 8 H 2", "es 8 8 H 2"}},
        {"run of two: one letter after, then the six orders of each pair",
         {{7, 8, true, "le"}},
         "pso",
         {"les", "ples", "pole", "lepo", "sole"},
         {"sole 5 8 H 4", "lepo 7 8 H 4", "pole 5 8 H 4", "ples 6 8 H 4", "les 7 8 H 3"}},
        {"run of three: pairs, then the cyclic orders of a triple",
         {{7, 8, true, "les"}},
         "poy",
         {"ples", "lesy", "plesy", "polesy", "oplesy"},
         {"oplesy 5 8 H 6", "polesy 5 8 H 6", "plesy 6 8 H 5", "ples 6 8 H 4", "lesy 7 8 H 4"}},
        {"four letters: the five fixed first pieces in order",
         {{8, 8, true, "a"}},
         "prst",
         {"aprst", "prast", "tpras"},
         {"aprst 8 8 V 6", "aprst 8 8 H 6", "prast 8 6 V 5", "tpras 8 5 V 5", "prast 6 8 H 5",
          "tpras 5 8 H 5"}},
        {"a repeated rack letter lists each word and place once",
         {{8, 8, true, "e"}},
         "ss",
         {"es", "ses"},
         {"ses 8 7 V 3", "ses 7 8 H 3", "es 8 8 V 2", "es 8 8 H 2"}},
        {"first move: every slot as the centre, centred after scoring",
         {},
         "pes",
         {"pes", "es", "sep"},
         {"pes 7 8 H 3", "sep 7 8 H 3", "pes 7 8 H 3", "sep 7 8 H 3", "pes 7 8 H 3", "sep 7 8 H 3",
          "sep 7 8 H 3", "pes 7 8 H 3", "es 7 8 H 2", "es 7 8 H 2", "es 7 8 H 2"}},
    };
    for (const Search& c : cases) EXPECT_EQ(search(c), c.expected) << c.name;
}

}  // namespace
}  // namespace tb::test
