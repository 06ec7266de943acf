// Laying the chosen candidate: which rack tile goes to which cell, and the
// flight of each tile from its slot to its cell.

#include <gtest/gtest.h>

#include "ai_fixture.h"
#include "engine/game/tile_positions.h"
#include "support/fakes.h"

namespace tb::test {
namespace {

class FlightUi : public RecordingUi {
  public:
    void PresunPismeno(int t, int sx, int sy, int tx, int ty, int ms) override {
        log("let " + std::to_string(t) + " " + std::to_string(sx) + "," + std::to_string(sy) + " " +
            std::to_string(tx) + "," + std::to_string(ty) + " " + std::to_string(ms));
    }
};

TEST(Laying, ThroughARunWithARepeatedRackLetter) {
    Deska f;
    f.pevne(8, 8, true, "e");
    f.stojan(1, "spse");
    const auto rack = f.s.Zasobnik[1];
    MemoryWordStore store;
    auto cursor = store.openCursor();
    TAI ai(*cursor);
    ai.Kandidati[1] = {"sese", 7, 8, 5, 1};
    ai.PocetKandidatu = 1;
    f.s.NaTahu = 1;
    FlightUi ui;
    ai.PolozSlovo(f.s, ui);

    EXPECT_EQ(f.s.Pole[7][8].Novy, rack[1]);  // first s: the lower slot
    EXPECT_EQ(f.s.Pole[8][8].Novy, 0);        // the fixed e stays
    EXPECT_EQ(f.s.Pole[9][8].Novy, rack[3]);  // second s: the next slot holding one
    EXPECT_EQ(f.s.Pole[10][8].Novy, rack[4]);
    EXPECT_EQ(f.s.Zasobnik[1], (Arr1<int32_t, kRack>{0, 0, rack[2], 0, 0, 0, 0, 0}));
    for (int slot : {1, 3, 4}) EXPECT_EQ(f.s.Kameny[rack[slot]].Vlastnik, kNaBoard);
    const std::string s1 = std::to_string(rack[1]), s3 = std::to_string(rack[3]),
                      s4 = std::to_string(rack[4]);
    EXPECT_EQ(ui.calls,
              (std::vector<std::string>{"zvuk 2", "let " + s1 + " 258,720 361,367 1500", "zvuk 2",
                                        "let " + s3 + " 352,720 437,367 1500", "zvuk 2",
                                        "let " + s4 + " 399,720 474,367 1500"}));
    EXPECT_EQ(ui.redraws, 1);
}

TEST(TilePositions, RackSlotsOfTheOtherSeats) {
    // Seat 1's slots and the cells are pinned by the flights above.
    EXPECT_EQ(polohaNaStojanu(2, 2), (Bod{305, 17}));
    EXPECT_EQ(polohaNaStojanu(3, 1), (Bod{31, 223}));
    EXPECT_EQ(polohaNaStojanu(3, 7), (Bod{31, 505}));
    EXPECT_EQ(polohaNaStojanu(4, 3), (Bod{759, 317}));
}

}  // namespace
}  // namespace tb::test
