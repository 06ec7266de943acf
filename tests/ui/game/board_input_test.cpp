// A person's tiles under the mouse on the real game screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "screen_fixture.h"

namespace tb::test {
namespace {

// The tile's picture lies at (x, y) of the screen.
void ocekavejKamen(Stul& t, int tile, Bod b) {
    const Bitmap& obr = t.hra->screen().painter().DXPismeno()[tile - 1].bitmap();
    for (auto [dx, dy] : {std::pair{10, 16}, {16, 10}, {22, 22}})
        EXPECT_EQ(t.obraz().rgb(b.x + dx, b.y + dy), obr.rgb(dx, dy))
            << "tile " << tile << " at " << b.x + dx << "," << b.y + dy;
}

TEST(BoardInput, ATilePickedFromTheRackLiesOnTheSquareItIsDroppedOn) {
    Stul t(
        "pesokla"
        "lesnato");
    const int p = t.s().Zasobnik[1][1];
    t.klikNaSlot(1).klikNaPole(1, 1);
    t.events.move(500, 400);  // the pointer away from the tile
    t.hraj();
    EXPECT_EQ(t.s().Pole[1][1].Novy, p);
    EXPECT_EQ(t.s().Zasobnik[1][1], 0);
    EXPECT_EQ(t.s().Kameny[p].Vlastnik, kNaBoard);
    EXPECT_EQ(t.s().NaTahu, 1);
    EXPECT_FALSE(t.s().VRuce.drzi());
    EXPECT_EQ(polohaNaDesce(1, 1), (Bod{135, 103}));
    ocekavejKamen(t, p, Bod{135, 103});
}

TEST(BoardInput, AnOccupiedSquareKeepsTheTileInTheHandAndALaidTileMoves) {
    Stul t(
        "pesokla"
        "lesnato");
    const int p = t.s().Zasobnik[1][1], e = t.s().Zasobnik[1][2];
    t.klikNaSlot(1).klikNaPole(8, 8);
    t.klikNaSlot(2).klikNaPole(8, 8);
    t.hraj();
    EXPECT_TRUE(t.s().VRuce.drzi()) << "dropped on an occupied square";
    EXPECT_EQ(t.s().VRuce.kamen, e);

    // Into another empty slot of the rack, then the laid tile to another square.
    t.events.move(t.form().Opanel[2]->left + 16, 730);
    t.klikNaSlot(2);
    t.klikNaPole(8, 8).klikNaPole(8, 9);
    t.events.move(500, 200);
    t.hraj();
    EXPECT_FALSE(t.s().VRuce.drzi());
    EXPECT_EQ(t.s().Zasobnik[1][2], e);
    EXPECT_EQ(t.s().Pole[8][8].Novy, 0);
    EXPECT_EQ(t.s().Pole[8][9].Novy, p);
    ocekavejKamen(t, p, polohaNaDesce(8, 9));
    ocekavejKamen(t, e, polohaNaStojanu(1, 2));
    EXPECT_EQ(checkTiles(t.s()), "");
}

TEST(BoardInput, AMissingWordIsTakenBackOrAddedAtTheWordErrorDialog) {
    Stul t(
        "pesokla"
        "lesnato");
    auto stojan = t.s().Zasobnik[1];
    t.okna.slovaOdpovedi = {DialogVolba::VzitZpet};
    t.slovo({3, 1}, 8, 8);  // "sp"
    t.hraj();
    ASSERT_EQ(t.okna.chybnaSlova.size(), 1u);
    EXPECT_EQ(t.okna.chybnaSlova[0], "sp");
    EXPECT_EQ(t.s().Pole[8][8].Novy, 0);
    EXPECT_EQ(t.s().Pole[9][8].Novy, 0);
    auto zpet = t.s().Zasobnik[1];
    std::sort(zpet.begin(), zpet.end());
    std::sort(stojan.begin(), stojan.end());
    EXPECT_EQ(zpet, stojan) << "every tile back on the rack";
    EXPECT_EQ(t.s().NaTahu, 2) << "nothing left on the board: the move is a pass";

    const auto druhy = t.s().Zasobnik[2];
    t.okna.slovaOdpovedi = {DialogVolba::PridatSlovo};
    t.slovo({6, 5}, 8, 8);  // "ta"
    t.hraj();
    EXPECT_EQ(t.okna.chybnaSlova.back(), "ta");
    EXPECT_EQ(t.s().Pole[8][8].Pevny, druhy[6]);
    EXPECT_EQ(t.s().Pole[9][8].Pevny, druhy[5]);
    EXPECT_EQ(t.s().NaTahu, 1);
    EXPECT_GT(t.s().Hraci[2].BodyCelkem, 0);
    EXPECT_EQ(checkTiles(t.s()), "");
}

TEST(BoardInput, TwoMarkedTilesAreExchangedAndTheTurnPasses) {
    Stul t(
        "pesokla"
        "lesnato");
    const auto pred = t.s().Zasobnik[1];
    t.tlacitko(kChange);
    t.klikNaSlot(1).klikNaSlot(2).klikNaSlot(3);
    t.events.click(t.form().KVs[3]->left + 16, t.form().KVs[3]->top + 16);  // unmarked again
    t.tlacitko(kChange);
    t.hraj();
    EXPECT_EQ(t.s().NaTahu, 2);
    EXPECT_FALSE(t.s().RezimVymeny);
    EXPECT_NE(t.s().Zasobnik[1][1], pred[1]);
    EXPECT_NE(t.s().Zasobnik[1][2], pred[2]);
    for (int slot = 3; slot <= kRack; ++slot) EXPECT_EQ(t.s().Zasobnik[1][slot], pred[slot]);
    EXPECT_EQ(checkTiles(t.s()), "");
    EXPECT_EQ(t.s().Vytazeno, 14);
}

}  // namespace
}  // namespace tb::test
