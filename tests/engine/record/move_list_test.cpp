#include "engine/record/move_list.h"

#include <gtest/gtest.h>

#include "files/text.h"
#include "support/game_fixture.h"

namespace tb {
namespace {

using Druh = RadekSeznamu::Druh;
using Sloupce = std::vector<std::string>;

TEST(SeznamTahu, TurnRowsStartAtRecordTwo) {
    test::HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(21)));
    t.start();
    for (int i = 0; i < 75; ++i) t.hra.frameTick();
    t.tah(3);
    for (int i = 0; i < 600; ++i) t.hra.frameTick();
    t.hra.PrehazujClick();  // a pass
    const auto seznam = seznamTahu(t.s, t.zapis);
    ASSERT_EQ(seznam.size(), 2u);
    EXPECT_EQ(seznam[0].druh, Druh::Tah);
    EXPECT_EQ(seznam[0].sloupce, (Sloupce{"1", "Eva", "pes(8,8) :3", "3", "1:16"}));
    EXPECT_EQ(seznam[1].sloupce, (Sloupce{"2", "Jan", "", "0", "10:00"}));
}

TEST(SeznamTahu, ClosingSectionOfAViewedGame) {
    test::HerniStul t(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(22)));
    t.start();
    t.s.Faze = Phase::Browse;
    t.zapis.ZapisBonus(false, 7, 1);
    t.zapis.ZapisBonus(true, 7, 2);
    t.s.SekundHry = 1715;
    t.s.Hraci[1].BodyCelkem = 93;
    t.s.Hraci[2].BodyCelkem = 120;
    t.zapis.ZapisKonec(t.s);
    const auto seznam = seznamTahu(t.s, t.zapis);
    ASSERT_EQ(seznam.size(), 6u);
    EXPECT_EQ(seznam[0].sloupce[0], "1");
    EXPECT_EQ(seznam[0].sloupce[1], "Eva");
    EXPECT_EQ(cp1250ToUtf8(seznam[0].sloupce[2]), "Nevyužití všech písmen :   -7");
    EXPECT_EQ(seznam[1].sloupce[0], "2");
    EXPECT_EQ(seznam[1].sloupce[1], "Jan");
    EXPECT_EQ(seznam[2].druh, Druh::Prazdny);
    EXPECT_EQ(seznam[3].sloupce, (Sloupce{"Eva", "...", "93"}));
    EXPECT_EQ(seznam[4].sloupce, (Sloupce{"Jan", "...", "120"}));
    EXPECT_EQ(cp1250ToUtf8(seznam[5].sloupce[0]), "                Celkový čas hry:0:28:35");

    // A section with one entry short is listed out of place, not refused.
    t.zapis.PresunASmaz(2);
    t.zapis.ZapisBonus(true, 0, 2);
    t.zapis.ZapisKonec(t.s);
    EXPECT_EQ(VypisKonec(t.s, t.zapis).size(), 6u);
}

}  // namespace
}  // namespace tb
