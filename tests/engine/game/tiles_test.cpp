#include "engine/game/tiles.h"

#include <gtest/gtest.h>

#include <map>

namespace tb {
namespace {

TEST(Tiles, TableHas97TilesWorth215WithTheNamedLetters) {
    GameState s;
    dejVsechnaPismena(s);
    int sum = 0;
    std::map<std::string, int> count;
    for (int n = 1; n <= kTiles; ++n) {
        sum += s.Kameny[n].Hodnota;
        ++count[s.Kameny[n].Pismeno];
    }
    EXPECT_EQ(sum, 215);
    EXPECT_EQ(count.size(), 38u);

    struct Case {
        int tile;
        const char* letter;
        int value;
        int code;
    };
    for (const Case& c : {Case{1, "a", 1, 1}, Case{17, "\xEF", 8, 7}, Case{59, "\xF3", 10, 23},
                          Case{97, "\x9E", 4, 38}, Case{84, "\xF9", 5, 32}, Case{85, "\xFA", 6, 33},
                          Case{74, "\x9A", 3, 28}, Case{80, "\x9D", 7, 30}}) {
        EXPECT_EQ(s.Kameny[c.tile].Pismeno, c.letter) << c.tile;
        EXPECT_EQ(s.Kameny[c.tile].Hodnota, c.value) << c.tile;
        EXPECT_EQ(letterCodeOfTile(c.tile), c.code);
        EXPECT_EQ(letterCodeOf(c.letter[0]), c.code);
    }
}

}  // namespace
}  // namespace tb
