// Tiles, the bag, moves keeping every tile in one place; the command line.

#include "engine/game/move.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "engine/game/bag.h"
#include "engine/game/options.h"
#include "engine/game/tiles.h"
#include "support/fakes.h"

namespace tb {
namespace {

// Each tile's letter code and each letter's; the values show in every score.
TEST(Tiles, LetterCodesOfTilesAndLetters) {
    const struct {
        int tile;
        char letter;
        int code;
    } cases[] = {{1, 'a', 1},      {17, '\xEF', 7},  {59, '\xF3', 23}, {97, '\x9E', 38},
                 {84, '\xF9', 32}, {85, '\xFA', 33}, {74, '\x9A', 28}, {80, '\x9D', 30}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(letterCodeOfTile(c.tile), letterCodeOf(c.letter)),
                  std::pair(c.code, c.code))
            << c.tile;
}

// The returned tile goes into the bag at the drawn place, so the tiles out
// of the bag stay exactly Pytel[1..Vytazeno].
TEST(Bag, ExchangeSwapsTheTileWithTheDrawnPlaceInTheBag) {
    const auto shuffled = [](uint64_t seed, int vytazeno) {
        GameState s;
        dejVsechnaPismena(s);
        Nahoda rnd(seed);
        michej(s, rnd);
        s.NaTahu = 1;
        s.Vytazeno = vytazeno;
        return s;
    };
    test::RecordingUi ui;
    for (const auto& [vytazeno, draw] :
         std::initializer_list<std::pair<int, int>>{{14, 0}, {14, 50}, {60, 36}, {96, 0}}) {
        GameState s = shuffled(11, vytazeno);
        for (int k = 1; k <= kRack; ++k) s.Zasobnik[1][k] = s.Pytel[vytazeno - 7 + k];
        const int returned = s.Zasobnik[1][3];
        const int d = draw % (kTiles - vytazeno) + vytazeno + 1;
        const int expectedNew = s.Pytel[d];
        test::ScriptedRandom rnd({draw});
        EXPECT_EQ(vymenKamen(s, rnd, ui, 3), expectedNew);
        EXPECT_EQ(std::tuple(s.Zasobnik[1][3], s.Pytel[d], s.Vytazeno),
                  std::tuple(expectedNew, returned, vytazeno));
        EXPECT_EQ(std::set<int>(s.Pytel.begin() + 1, s.Pytel.end()).size(), size_t(kTiles));
    }
    GameState s = shuffled(5, 97);
    s.Zasobnik[1][1] = s.Pytel[1];
    test::ScriptedRandom rnd;
    EXPECT_THROW(vymenKamen(s, rnd, ui, 1), std::logic_error);  // an empty bag
    s.Vytazeno = 20;
    EXPECT_THROW(vymenKamen(s, rnd, ui, 2), std::logic_error);  // an empty slot
}

TEST(Options, ParsesEveryOptionAndRefusesNonsense) {
    const Options o =
        parseOptions({"--window", "--new-game", "--no-intro", "--seed", "42", "--user-dir",
                      "/tmp/u", "--root", "/r", "--screenshot", "f.png"});
    EXPECT_TRUE(o.skipIntro);
    EXPECT_EQ(o.screenshot, std::filesystem::path("f.png"));
    EXPECT_FALSE(parseOptions({}).window);
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--seed"},
                                                                 {"--seed", "x"},
                                                                 {"--seed", "-3"},
                                                                 {"--seed", "12x"},
                                                                 {"--bogus"},
                                                                 {"--user-dir"},
                                                                 {"--screenshot"}})
        EXPECT_THROW(parseOptions(bad), std::invalid_argument);
}

// Two seats dealt from the bag 1..97 in order, tile 15 fixed on (8,8),
// seat 1 on move.
GameState rozdano() {
    GameState s;
    s.PocetHracu = 2;
    for (int i = 1; i <= kTiles; ++i) s.Pytel[i] = i;
    for (int slot = 1; slot <= kRack; ++slot) {
        s.Zasobnik[1][slot] = slot;
        s.Zasobnik[2][slot] = 7 + slot;
    }
    s.Pole[8][8].Pevny = 15;
    s.Vytazeno = 15;
    return s;
}

TEST(Move, MovesKeepTheTilesAndTheCheckNamesEachFault) {
    struct Pripad {
        const char* co;
        std::function<void(GameState&)> zmen;
        const char* chyba;  // "" for none
    };
    const Pripad pripady[] = {
        {"dealt", [](GameState&) {}, ""},
        {"laid from the rack, lifted back into the first empty slot",
         [](GameState& s) {
             EXPECT_TRUE(polozZeSlotu(s, 3, 9, 8) && polozZeSlotu(s, 5, 10, 8));
             EXPECT_EQ(vratNaStojan(s, 10, 8), 3);
         },
         ""},
        {"carried from the board, refused by a taken square",
         [](GameState& s) {
             EXPECT_TRUE(polozZeSlotu(s, 3, 9, 8) && vezmi(s, 3));
             EXPECT_FALSE(polozNaPole(s, 8, 8) || vezmi(s, 4));
         },
         ""},
        {"neither another seat's tile nor a fixed one is picked up",
         [](GameState& s) { EXPECT_FALSE(vezmi(s, 8) || vezmi(s, 15)); }, ""},
        {"in the hand and on the rack", [](GameState& s) { s.VRuce.kamen = 2; },
         "tile 2 lies in two places"},
        {"doubled on the board", [](GameState& s) { s.Pole[1][1].Novy = 3; },
         "tile 3 lies in two places"},
        {"lost from a rack", [](GameState& s) { s.Zasobnik[1][2] = 0; },
         "14 tiles in play but 15 drawn from the bag"},
        {"dealt and still in the bag", [](GameState& s) { s.Vytazeno = 14; },
         "tile 15 is in play and in the bag"},
        {"twice in the bag", [](GameState& s) { s.Pytel[97] = 96; }, "the bag holds tile 96 twice"},
        {"fixed and new on a square", [](GameState& s) { s.Pole[8][8].Novy = 16; },
         "a fixed and a new tile on square 8,8"},
        {"the seat on move not in play", [](GameState& s) { s.NaTahu = 3; },
         "NaTahu 3 is no seat in play"},
        {"a seat out of play holds nothing that counts", [](GameState& s) { s.Zasobnik[3][1] = 1; },
         ""},
        {"a number past the tiles", [](GameState& s) { s.Zasobnik[2][7] = 98; },
         "tile number 98 out of range"},
        {"viewed record: no bag order", [](GameState& s) { s.Pytel = {}; }, ""},
        {"viewed record: count differs",
         [](GameState& s) {
             s.Pytel = {};
             s.Vytazeno = 20;
         },
         "15 tiles in play but 20 drawn from the bag"},
        {"viewed record: doubled",
         [](GameState& s) {
             s.Pytel = {};
             s.Zasobnik[2][2] = 1;
         },
         "tile 1 lies in two places"},
    };
    for (const Pripad& p : pripady) {
        GameState s = rozdano();
        p.zmen(s);
        EXPECT_EQ(checkTiles(s), p.chyba) << p.co;
    }
}

}  // namespace
}  // namespace tb
