#include "engine/game/menu_reset.h"

#include <gtest/gtest.h>

namespace tb {
namespace {

// A game of the saved choices starts only with a person among the seats in play.
TEST(MenuReset, PriradHodnotyNeedsAPersonInPlay) {
    const struct {
        int hracu;
        Arr1<int32_t, kSeats> pc;
        bool starts;
    } cases[] = {{2, {0, 1, 1, 0, 0}, false}, {3, {0, 1, 1, 0, 1}, true}};
    for (const auto& c : cases) {
        UserSettings n;
        n.NastHracu = c.hracu;
        n.NastPC = c.pc;
        GameState s;
        EXPECT_EQ(PriradHodnoty(s, n), c.starts) << c.hracu;
    }
}

}  // namespace
}  // namespace tb
