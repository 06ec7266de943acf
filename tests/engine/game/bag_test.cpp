#include "engine/game/bag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/game/tiles.h"
#include "support/fakes.h"

namespace tb {
namespace {

using test::RecordingUi;
using test::ScriptedRandom;

bool isPermutation(const GameState& s) {
    std::set<int> seen(s.Pytel.begin() + 1, s.Pytel.end());
    return seen.size() == kTiles && *seen.begin() == 1 && *seen.rbegin() == kTiles;
}

// The tiles out of the bag (racks and board) are exactly Pytel[1..Vytazeno].
bool dealtPartMatches(const GameState& s) {
    std::multiset<int> out;
    for (int p = 1; p <= kSeats; ++p)
        for (int k = 1; k <= kRack; ++k)
            if (s.Zasobnik[p][k]) out.insert(s.Zasobnik[p][k]);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) {
            if (s.Pole[x][y].Pevny) out.insert(s.Pole[x][y].Pevny);
            if (s.Pole[x][y].Novy) out.insert(s.Pole[x][y].Novy);
        }
    std::multiset<int> dealt(s.Pytel.begin() + 1, s.Pytel.begin() + 1 + s.Vytazeno);
    return out == dealt;
}

GameState shuffled(uint64_t seed) {
    GameState s;
    dejVsechnaPismena(s);
    Nahoda rnd(seed);
    michej(s, rnd);
    return s;
}

TEST(Bag, ShuffleIsAPermutationAndReseeds) {
    for (uint64_t seed : {1u, 2u, 99u}) {
        GameState s = shuffled(seed);
        EXPECT_TRUE(isPermutation(s)) << seed;
    }
    GameState s;
    ScriptedRandom rnd;  // counts 0,1,2,... so every draw hits a free place at once
    michej(s, rnd);
    EXPECT_EQ(rnd.reseeds, 1);
    EXPECT_TRUE(isPermutation(s));
    EXPECT_EQ(s.Pytel[1], 1);
}

TEST(Bag, InitialDealGivesConsecutiveBlocksInTurnOrder) {
    for (int players = 2; players <= 4; ++players) {
        GameState s = shuffled(7);
        s.PocetHracu = players;
        s.NaTahu = players;  // any first seat: the deal follows turn order from it
        RecordingUi ui;
        for (int h = 0; h < players; ++h) {
            dalsi(s, ui);
            s.NaTahu = s.NaTahu % players + 1;
        }
        EXPECT_EQ(s.Vytazeno, 7 * players);
        int seat = players;
        for (int block = 0; block < players; ++block) {
            for (int k = 1; k <= kRack; ++k) {
                EXPECT_EQ(s.Zasobnik[seat][k], s.Pytel[block * 7 + k]);
                EXPECT_EQ(s.Kameny[s.Zasobnik[seat][k]].Vlastnik, seat);
            }
            seat = seat % players + 1;
        }
        EXPECT_EQ(ui.calls.size(), static_cast<size_t>(7 * players));
        EXPECT_EQ(ui.calls.front(),
                  "prichod " + std::to_string(players) + " 1 " + std::to_string(s.Pytel[1]));
    }
}

TEST(Bag, RefillInSlotOrderUntilTheBagRunsOut) {
    GameState s = shuffled(3);
    s.NaTahu = 1;
    s.Vytazeno = 95;  // two tiles left
    for (int k = 1; k <= kRack; ++k) s.Zasobnik[1][k] = s.Pytel[k];
    s.Zasobnik[1][2] = s.Zasobnik[1][4] = s.Zasobnik[1][6] = 0;
    s.Kameny[s.Zasobnik[1][1]].Aktivni = 1;
    RecordingUi ui;
    dalsi(s, ui);
    EXPECT_EQ(s.Zasobnik[1][2], s.Pytel[96]);
    EXPECT_EQ(s.Zasobnik[1][4], s.Pytel[97]);
    EXPECT_EQ(s.Zasobnik[1][6], 0);
    EXPECT_EQ(s.Vytazeno, 97);
    EXPECT_EQ(s.Kameny[s.Zasobnik[1][1]].Aktivni, 0) << "the player who moved may not pick up";
    dalsi(s, ui);  // empty bag: nothing changes, nothing shown
    EXPECT_EQ(s.Zasobnik[1][6], 0);
    EXPECT_EQ(ui.calls.size(), 2u);
}

TEST(Bag, RestoredGameDrawsNothing) {
    GameState s = shuffled(4);
    s.Faze = Phase::LoadedGame;
    s.NaTahu = 2;
    s.Zasobnik[2][3] = 40;
    RecordingUi ui;
    dalsi(s, ui);
    EXPECT_EQ(s.Vytazeno, 0);
    EXPECT_EQ(s.Zasobnik[2][1], 0);
    EXPECT_EQ(ui.calls, std::vector<std::string>{"veslotu 2 3 40"});
}

TEST(Bag, ExchangeKeepsBagAPermutationWithDealtPartOutOfTheBag) {
    struct Case {
        int vytazeno;
        int draw;  // scripted random value
    };
    for (const Case c : {Case{14, 0}, Case{14, 50}, Case{60, 36}, Case{96, 0}}) {
        GameState s = shuffled(11);
        s.NaTahu = 1;
        s.Vytazeno = c.vytazeno;
        for (int k = 1; k <= kRack; ++k) s.Zasobnik[1][k] = s.Pytel[c.vytazeno - 7 + k];
        for (int p = 1; p <= c.vytazeno - 7; ++p)  // the rest lies on the board
            s.Pole[(p - 1) % kBoard + 1][(p - 1) / kBoard + 1].Pevny = s.Pytel[p];
        ASSERT_TRUE(dealtPartMatches(s));
        const int returned = s.Zasobnik[1][3];
        const int d = c.draw % (kTiles - c.vytazeno) + c.vytazeno + 1;
        const int expectedNew = s.Pytel[d];
        ScriptedRandom rnd({c.draw});
        RecordingUi ui;
        EXPECT_EQ(vymenKamen(s, rnd, ui, 3), expectedNew);
        EXPECT_EQ(s.Zasobnik[1][3], expectedNew);
        EXPECT_EQ(s.Pytel[d], returned);
        EXPECT_EQ(s.Vytazeno, c.vytazeno);
        EXPECT_TRUE(isPermutation(s));
        EXPECT_TRUE(dealtPartMatches(s)) << c.vytazeno;
        if (c.vytazeno == 96) {
            EXPECT_EQ(s.Pytel[97], returned) << "one tile left: the two swap";
        }
    }
}

TEST(Bag, ExchangeRefusesAnEmptyBagOrSlot) {
    GameState s = shuffled(5);
    s.NaTahu = 1;
    s.Vytazeno = 97;
    s.Zasobnik[1][1] = s.Pytel[1];
    ScriptedRandom rnd;
    RecordingUi ui;
    EXPECT_THROW(vymenKamen(s, rnd, ui, 1), std::logic_error);
    s.Vytazeno = 20;
    EXPECT_THROW(vymenKamen(s, rnd, ui, 2), std::logic_error);
}

}  // namespace
}  // namespace tb
