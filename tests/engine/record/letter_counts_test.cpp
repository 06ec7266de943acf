#include "engine/record/letter_counts.h"

#include <gtest/gtest.h>

#include <numeric>

#include "engine/game/tiles.h"
#include "files/text.h"

namespace tb {
namespace {

int soucet(const Pocty& p) {
    return std::accumulate(p.begin() + 1, p.end(), 0);
}

TEST(PismenaABody, ThreeViewsFollowTheBag) {
    GameState s;
    dejVsechnaPismena(s);
    for (int k = 1; k <= kTiles; ++k) s.Pytel[k] = kTiles + 1 - k;  // ž first, a last
    s.Vytazeno = 0;
    EXPECT_EQ(popiskyPaB(s, PohledPaB::Zbytek), popiskyPaB(s, PohledPaB::Zaklad));
    const auto zaklad = popiskyPaB(s, PohledPaB::Zaklad);
    EXPECT_EQ(zaklad[1], "A .. 6");
    EXPECT_EQ(cp1250ToUtf8(zaklad[2]), "Á .. 2");
    EXPECT_EQ(cp1250ToUtf8(zaklad[38]), "Ž .. 2");
    EXPECT_EQ(soucet(ZjistiPocty(s, 1)), 97);

    s.Vytazeno = 14;  // tiles 97..84: ž ž z z ý ý y y y v v v ú ů
    EXPECT_EQ(soucet(ZjistiPocty(s, s.Vytazeno + 1)), 83);
    const auto zbytek = popiskyPaB(s, PohledPaB::Zbytek);
    EXPECT_EQ(cp1250ToUtf8(zbytek[38]), "Ž .. 0");
    EXPECT_EQ(cp1250ToUtf8(zbytek[32]), "Ů .. 0");
    EXPECT_EQ(zbytek[1], "A .. 6");

    s.Vytazeno = kTiles;
    for (const auto& p : popiskyPaB(s, PohledPaB::Zbytek))
        if (!p.empty()) {
            EXPECT_EQ(p.back(), '0');
        }

    const auto body = popiskyPaB(s, PohledPaB::Body);
    EXPECT_EQ(cp1250ToUtf8(body[23]), "Ó .. 10");
    EXPECT_EQ(cp1250ToUtf8(body[7]), "Ď .. 8");
    Pocty p{};
    ZvysPocty(p, 0);
    ZvysPocty(p, 98);
    EXPECT_EQ(soucet(p), 0);
}

}  // namespace
}  // namespace tb
