#include "engine/record/move_record.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/board_setup.h"

namespace tb {
namespace {

TEST(Pytel, LoadedPositionOwnsExactlyTheDealtPartOfTheBag) {
    test::Deska d;
    GameState& s = d.s;
    s.PocetHracu = 2;
    for (int t = 1; t <= kTiles; ++t) s.Pytel[t] = t;
    s.Vytazeno = 14;
    // Racks hold 1..6, 8..14 and 50 (as after an exchange of 7 for 50, stepped back wrongly).
    for (int i = 1; i <= 7; ++i) s.Zasobnik[1][i] = i == 7 ? 50 : i;
    for (int i = 1; i <= 7; ++i) s.Zasobnik[2][i] = 7 + i;
    srovnejPytel(s);
    std::vector<int> vydano(s.Pytel.begin() + 1, s.Pytel.begin() + 15);
    std::sort(vydano.begin(), vydano.end());
    std::vector<int> ocekavano{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 50};
    EXPECT_EQ(vydano, ocekavano);
    std::vector<int> vse(s.Pytel.begin() + 1, s.Pytel.end());
    std::sort(vse.begin(), vse.end());
    for (int t = 1; t <= kTiles; ++t) EXPECT_EQ(vse[t - 1], t);
}

}  // namespace
}  // namespace tb
