// Short random streams through the whole game find no fault and reach the game.

#include <gtest/gtest.h>

#include "soak/soak_driver.h"
#include "support/temp_dir.h"

namespace tb::test {
namespace {

SoakVysledek spust(uint64_t seed, long udalosti) {
    TempDir dir;
    return soak(seed, udalosti, TB_ROOT_DIR, dir.path());
}

TEST(Soak, ShortStreamsFindNoFault) {
    int okna = 0;
    long tahy = 0;
    for (uint64_t seed : {1u, 2u, 3u}) {
        const SoakVysledek v = spust(seed, 1200);
        EXPECT_EQ(v.chyba, "") << "seed " << seed << " after event " << v.chybaPoUdalosti
                               << "; replay: scripts/soak " << v.chybaPoUdalosti << " " << seed
                               << " 1";
        EXPECT_EQ(v.udalosti, 1200);
        tahy += v.tahy;
        for (const auto& [jmeno, kolik] : v.okna) okna += kolik;
    }
    // The stream is only worth its time if it gets into games and windows.
    EXPECT_GT(tahy, 0);
    EXPECT_GT(okna, 0);
}

TEST(Soak, SameSeedReplaysTheSameRun) {
    const SoakVysledek a = spust(7, 300), b = spust(7, 300);
    EXPECT_EQ(std::tie(a.pinovanyCas, a.relace, a.okna, a.chyba),
              std::tie(b.pinovanyCas, b.relace, b.okna, b.chyba));
}

}  // namespace
}  // namespace tb::test
