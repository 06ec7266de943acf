#include "engine/game/placement_checker.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/board_setup.h"
#include "support/fakes.h"

namespace tb {
namespace {

struct Slovo {
    int x, y;
    bool vodorovne;
    const char* pismena;
    bool pevne;
};

struct Pripad {
    const char* nazev;
    std::vector<Slovo> deska;
    int minPismen;
    bool prvniTah;
    int kod;
    const char* slovo;
    int x, y;
    int zRadku;
};

PlacementChecker zkontroluj(const Pripad& p) {
    test::Deska d;
    for (const Slovo& w : p.deska)
        std::invoke(w.pevne ? &test::Deska::pevne : &test::Deska::nove, d, w.x, w.y, w.vodorovne,
                    w.pismena);
    PlacementChecker k;
    for (int y = 1; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x)
            k.setSquare(x, y, d.s.Pole[x][y].Pevny, d.s.Pole[x][y].Novy);
    k.setRules(p.minPismen, 0, p.prvniTah ? 1 : 0);
    k.markNeighbours();
    k.hasFault();
    return k;
}

TEST(Validator, RulesScanningOrderAndPrecedence) {
    const bool H = true, V = false;
    const Slovo pes{7, 8, H, "pes", true};
    const std::vector<Pripad> pripady = {
        {"empty move", {pes}, 2, false, 0, "", 0, 0, 0},
        {"lone first tile on the centre", {{8, 8, H, "a", false}}, 2, true, 1, "a", 8, 8, 0},
        {"first word away from the centre", {{2, 2, H, "le", false}}, 2, true, 4, "le", 2, 2, 1},
        {"first word through the centre", {{6, 8, H, "les", false}}, 2, true, 0, "", 0, 0, 0},
        {"word far from the fixed tiles",
         {pes, {1, 1, H, "le", false}},
         2,
         false,
         3,
         "le",
         1,
         1,
         1},
        {"touching only diagonally",
         {{5, 5, H, "a", true}, {6, 6, H, "le", false}},
         2,
         false,
         3,
         "le",
         6,
         6,
         1},
        {"touching from above",
         {{6, 5, H, "a", true}, {6, 6, H, "le", false}},
         2,
         false,
         0,
         "",
         0,
         0,
         0},
        {"perpendicular two-letter word too short",
         {pes, {7, 9, H, "a", false}},
         3,
         false,
         2,
         "pa",
         7,
         8,
         0},
        {"extension long enough", {pes, {10, 8, H, "y", false}}, 4, false, 0, "", 0, 0, 0},
        {"column fault wins over a row fault",
         {pes, {1, 1, H, "le", false}, {15, 10, V, "ab", false}},
         2,
         false,
         3,
         "ab",
         15,
         10,
         0},
        {"first fault in row order",
         {pes, {1, 5, H, "le", false}, {1, 2, H, "ab", false}},
         2,
         false,
         3,
         "ab",
         1,
         2,
         1},
        {"lone tile reported from the columns",
         {pes, {1, 1, H, "a", false}},
         2,
         false,
         1,
         "a",
         1,
         1,
         0},
        {"run stops at the board edge", {{13, 8, H, "kos", false}}, 2, true, 4, "kos", 13, 8, 1},
        {"run stops at the bottom edge", {{3, 14, V, "ty", false}}, 2, true, 4, "ty", 3, 14, 0},
        {"two separate legal runs",
         {pes, {10, 8, H, "y", false}, {7, 9, V, "al", false}},
         2,
         false,
         0,
         "",
         0,
         0,
         0},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        const PlacementChecker k = zkontroluj(p);
        EXPECT_EQ(k.kod(), p.kod);
        if (p.kod == 0) continue;
        EXPECT_EQ(k.slovo(), p.slovo);
        EXPECT_EQ(k.x(), p.x);
        EXPECT_EQ(k.y(), p.y);
        EXPECT_EQ(k.zRadku(), p.zRadku);
    }
}

class ZachytBox : public test::RecordingUi {
  public:
    DialogVolba ChybaPravidlaBox(const ChybaPravidla& c) override {
        boxy.push_back(c);
        return DialogVolba::VzitZpet;
    }
    std::vector<ChybaPravidla> boxy;
};

TEST(Validator, TestShowsTheBoxWithTheFaultOnlyWhenThereIsOne) {
    test::Deska d;
    d.pevne(7, 8, true, "pes");
    d.nove(1, 1, true, "le");
    PlacementChecker k;
    for (int y = 1; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x)
            k.setSquare(x, y, d.s.Pole[x][y].Pevny, d.s.Pole[x][y].Novy);
    k.setRules(5, 1, 0);
    ZachytBox ui;
    EXPECT_EQ(k.test(ui), DialogVolba::VzitZpet);
    ASSERT_EQ(ui.boxy.size(), 1u);
    const ChybaPravidla& c = ui.boxy[0];
    EXPECT_EQ(c.kod, 2);
    EXPECT_EQ(c.slovo, "le");
    EXPECT_EQ(c.minPismen, 5);
    EXPECT_EQ(c.casVyprsel, 1);
    EXPECT_EQ(c.zRadku, 1);
    EXPECT_EQ(c.x, 1);
    EXPECT_EQ(c.y, 1);

    k.setSquare(1, 1, 0, 0);
    k.setSquare(2, 1, 0, 0);
    EXPECT_FALSE(k.test(ui).has_value());
    EXPECT_EQ(ui.boxy.size(), 1u);
}

}  // namespace
}  // namespace tb
