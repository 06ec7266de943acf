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
        ASSERT_EQ(s.Kameny[n].Pismeno.size(), 1u) << n;
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
        dejpismeno(s, c.tile);
        EXPECT_EQ(s.Kameny[c.tile].Pismeno, c.letter) << c.tile;
        EXPECT_EQ(s.Kameny[c.tile].Hodnota, c.value) << c.tile;
        EXPECT_EQ(s.PismenoKod, c.code) << c.tile;
        EXPECT_EQ(letterCodeOfTile(c.tile), c.code);
        EXPECT_EQ(letterCodeOf(c.letter[0]), c.code);
    }
    EXPECT_EQ(letterImagePath(1), "images/pismena/pismeno01.bmp");
    EXPECT_EQ(letterImagePath(38), "images/pismena/pismeno38.bmp");
    dejpismeno(s, 5);
    EXPECT_EQ(s.PismenoCislo, "01");
}

TEST(Tiles, OutOfRangeTileChangesNothing) {
    GameState s;
    dejpismeno(s, 96);
    const GameState before = s;
    dejpismeno(s, 98);
    dejpismeno(s, 0);
    EXPECT_EQ(s.PismenoKod, before.PismenoKod);
    EXPECT_EQ(s.PismenoCislo, before.PismenoCislo);
    EXPECT_EQ(letterCodeOfTile(98), 0);
    EXPECT_EQ(letterCodeOf('q'), 0);
}

TEST(PremiumMap, CountsSymmetryAndNamedCells) {
    GameState s;
    InitBodovanePole(s);
    std::map<int, int> count;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) {
            ++count[s.BodovanePole[x][y]];
            EXPECT_EQ(s.BodovanePole[x][y], s.BodovanePole[y][x]);
            EXPECT_EQ(s.BodovanePole[x][y], s.BodovanePole[16 - x][y]);
            EXPECT_EQ(s.BodovanePole[x][y], s.BodovanePole[x][16 - y]);
        }
    EXPECT_EQ(count[kWord3], 8);
    EXPECT_EQ(count[kWord2], 16);
    EXPECT_EQ(count[kLetter3], 12);
    EXPECT_EQ(count[kLetter2], 24);
    EXPECT_EQ(count[kPlain], 165);
    EXPECT_EQ(s.BodovanePole[8][8], 1);
    EXPECT_EQ(s.BodovanePole[1][1], 5);
    EXPECT_EQ(s.BodovanePole[8][1], 5);
    EXPECT_EQ(s.BodovanePole[15][15], 5);
    EXPECT_EQ(s.BodovanePole[8][4], 2);
    EXPECT_EQ(s.BodovanePole[4][8], 2);
    EXPECT_EQ(s.BodovanePole[6][6], 3);
    EXPECT_EQ(s.BodovanePole[5][11], 4);
}

}  // namespace
}  // namespace tb
