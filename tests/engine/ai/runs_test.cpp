// Which runs the computer player extends, and how much room each has.

#include <gtest/gtest.h>

#include "ai_fixture.h"

namespace tb::test {
namespace {

struct Laid {
    int x, y;
    bool vodorovne;
    std::string word;
};

std::vector<std::string> runsAfterSearch(const std::vector<Laid>& board) {
    Deska f;
    for (const Laid& l : board) f.pevne(l.x, l.y, l.vodorovne, l.word);
    f.stojan(1, ".......");
    MemoryWordStore store;
    auto cursor = store.openCursor();
    TAI ai(*cursor);
    ai.findCandidates(f.s);
    std::vector<std::string> out;
    for (int n = 1; n <= ai.PocetBehu; ++n) {
        const TAI::Beh& b = ai.Behy[n];
        out.push_back(b.Pismena + " " + std::to_string(b.X) + " " + std::to_string(b.Y) +
                      (b.Smer == 1 ? " H " : " V ") + std::to_string(b.VolnoPred) + " " +
                      std::to_string(b.VolnoZa));
    }
    return out;
}

TEST(Runs, FreeCellsAtEdgesNextToTilesAndTrimmed) {
    struct Case {
        const char* name;
        std::vector<Laid> board;
        std::vector<std::string> runs;
    };
    const std::vector<Case> cases = {
        {"single tile in the centre", {{8, 8, true, "e"}}, {"e 8 8 H 5 5", "e 8 8 V 5 5"}},
        {"three letters trimmed to 3, single letters keep 5",
         {{6, 8, true, "pes"}},
         {"pes 6 8 H 3 3", "p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5"}},
        {"two letters trimmed to 4",
         {{7, 8, true, "le"}},
         {"le 7 8 H 4 4", "l 7 8 V 5 5", "e 8 8 V 5 5"}},
        {"board corner",
         {{1, 1, true, "pes"}},
         {"pes 1 1 H 0 3", "p 1 1 V 0 5", "e 2 1 V 0 5", "s 3 1 V 0 5"}},
        {"two cells to the edge", {{3, 8, true, "e"}}, {"e 3 8 H 2 5", "e 3 8 V 5 5"}},
        {"a tile beyond stops the count",
         {{6, 8, true, "pes"}, {12, 8, true, "a"}},
         {"pes 6 8 H 3 2", "a 12 8 H 2 3", "p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5",
          "a 12 8 V 5 5"}},
        {"a neighbour across the line stops the count",
         {{6, 8, true, "pes"}, {10, 9, true, "a"}},
         {"pes 6 8 H 3 1", "a 10 9 H 1 5", "p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5",
          "a 10 9 V 5 5"}},
        {"four letters are never extended along their line",
         {{6, 8, true, "pesy"}},
         {"p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5", "y 9 8 V 5 5"}},
        {"runs with no room at all are dropped",
         {{1, 1, true, "a"}, {2, 2, true, "o"}},
         {"o 2 2 H 0 5", "o 2 2 V 0 5"}},
    };
    for (const Case& c : cases) EXPECT_EQ(runsAfterSearch(c.board), c.runs) << c.name;
}

}  // namespace
}  // namespace tb::test
