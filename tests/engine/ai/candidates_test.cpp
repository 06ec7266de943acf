// The computer player's runs, candidates (a run of one: the tool's hint), estimate and laying.

#include <gtest/gtest.h>

#include "engine/ai/computer_player.h"
#include "engine/game/tile_positions.h"
#include "store/memory_word_store.h"
#include "support/board_setup.h"
#include "support/fakes.h"

namespace tb::test {
namespace {

using Words = std::vector<std::string>;
using Laid = std::tuple<int, int, bool, std::string>;

// Seat 1 on move with `rack`, the words of `board` fixed, a tiny dictionary.
struct Pokus {
    Pokus(const std::vector<Laid>& board, const std::string& rack,
          std::initializer_list<std::string> slova = {})
        : store(slova) {
        for (const auto& [x, y, h, w] : board) f.pevne(x, y, h, w);
        f.stojan(1, rack);
        f.s.NaTahu = 1;
    }
    // "word x y H|V score" per candidate, in list order.
    Words seznam() const {
        Words out;
        for (int n = 1; n <= ai.PocetKandidatu; ++n) {
            const Kandidat& k = ai.Kandidati[n];
            out.push_back(k.Slovo + " " + std::to_string(k.X) + " " + std::to_string(k.Y) +
                          (k.Smer == 1 ? " H " : " V ") + std::to_string(k.Body));
        }
        return out;
    }
    Deska f;
    MemoryWordStore store;
    std::unique_ptr<WordCursor> cursor = store.openCursor();
    TAI ai{*cursor};
};

TEST(Runs, FreeCellsAtEdgesNextToTilesAndTrimmed) {
    const struct {
        const char* name;
        std::vector<Laid> board;
        Words runs;
    } cases[] = {
        {"single tile in the centre", {{8, 8, true, "e"}}, {"e 8 8 H 5 5", "e 8 8 V 5 5"}},
        {"three letters trimmed to 3, single letters keep 5",
         {{6, 8, true, "pes"}},
         {"pes 6 8 H 3 3", "p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5"}},
        {"two letters trimmed to 4",
         {{7, 8, true, "le"}},
         {"le 7 8 H 4 4", "l 7 8 V 5 5", "e 8 8 V 5 5"}},
        {"board corner",
         {{1, 1, true, "pes"}},
         {"pes 1 1 H 0 3", "p 1 1 V 0 5", "e 2 1 V 0 5", "s 3 1 V 0 5"}},
        {"two cells to the edge", {{3, 8, true, "e"}}, {"e 3 8 H 2 5", "e 3 8 V 5 5"}},
        {"the opposite corner, down a column",
         {{15, 13, false, "pes"}},
         {"p 15 13 H 5 0", "e 15 14 H 5 0", "s 15 15 H 5 0", "pes 15 13 V 3 0"}},
        {"a tile beyond stops the count",
         {{6, 8, true, "pes"}, {12, 8, true, "a"}},
         {"pes 6 8 H 3 2", "a 12 8 H 2 3", "p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5",
          "a 12 8 V 5 5"}},
        {"a neighbour across the line stops the count",
         {{6, 8, true, "pes"}, {10, 9, true, "a"}},
         {"pes 6 8 H 3 1", "a 10 9 H 1 5", "p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5",
          "a 10 9 V 5 5"}},
        {"four letters are never extended along their line",
         {{6, 8, true, "pesy"}},
         {"p 6 8 V 5 5", "e 7 8 V 5 5", "s 8 8 V 5 5", "y 9 8 V 5 5"}},
        {"runs with no room at all are dropped",
         {{1, 1, true, "a"}, {2, 2, true, "o"}},
         {"o 2 2 H 0 5", "o 2 2 V 0 5"}},
    };
    for (const auto& c : cases) {
        Pokus p(c.board, ".......");
        p.ai.findCandidates(p.f.s);
        Words runs;
        for (int n = 1; n <= p.ai.PocetBehu; ++n) {
            const TAI::Beh& b = p.ai.Behy[n];
            runs.push_back(b.Pismena + " " + std::to_string(b.X) + " " + std::to_string(b.Y) +
                           (b.Smer == 1 ? " H " : " V ") + std::to_string(b.VolnoPred) + " " +
                           std::to_string(b.VolnoZa));
        }
        EXPECT_EQ(runs, c.runs) << c.name;
    }
}

TEST(Candidates, ExactListAroundRunsOfOneTwoThreeAndFourRackLetters) {
    const struct {
        const char* name;
        std::vector<Laid> board;
        std::string rack;
        std::initializer_list<std::string> dictionary;
        Words expected;
    } cases[] = {
        {"run of two: one letter after, then the six orders of each pair",
         {{7, 8, true, "le"}},
         "pso",
         {"les", "ples", "pole", "lepo", "sole"},
         {"sole 5 8 H 4", "lepo 7 8 H 4", "pole 5 8 H 4", "ples 6 8 H 4", "les 7 8 H 3"}},
        {"run of three: pairs, then the cyclic orders of a triple",
         {{7, 8, true, "les"}},
         "poy",
         {"ples", "lesy", "plesy", "polesy", "oplesy"},
         {"oplesy 5 8 H 6", "polesy 5 8 H 6", "plesy 6 8 H 5", "ples 6 8 H 4", "lesy 7 8 H 4"}},
        {"four letters: the five fixed first pieces in order",
         {{8, 8, true, "a"}},
         "prst",
         {"aprst", "prast", "tpras"},
         {"aprst 8 8 V 6", "aprst 8 8 H 6", "prast 8 6 V 5", "tpras 8 5 V 5", "prast 6 8 H 5",
          "tpras 5 8 H 5"}},
        {"a repeated rack letter lists each word and place once",
         {{8, 8, true, "e"}},
         "ss",
         {"es", "ses"},
         {"ses 8 7 V 3", "ses 7 8 H 3", "es 8 8 V 2", "es 8 8 H 2"}},
        {"first move: every slot as the centre, centred after scoring",
         {},
         "pes",
         {"pes", "es", "sep"},
         {"pes 7 8 H 3", "sep 7 8 H 3", "pes 7 8 H 3", "sep 7 8 H 3", "pes 7 8 H 3", "sep 7 8 H 3",
          "sep 7 8 H 3", "pes 7 8 H 3", "es 7 8 H 2", "es 7 8 H 2", "es 7 8 H 2"}},
    };
    for (const auto& c : cases) {
        Pokus p(c.board, c.rack, c.dictionary);
        p.f.s.MinPismen = 2;
        p.ai.findCandidates(p.f.s);
        EXPECT_EQ(p.seznam(), c.expected) << c.name;
    }
}

// The estimate of candidates placed by hand, sorted, with short words dropped.
Words scored(const std::vector<Kandidat>& cands, int minPismen) {
    Pokus p({}, "");
    for (const Kandidat& c : cands) p.ai.Kandidati[++p.ai.PocetKandidatu] = c;
    p.ai.Oboduj(minPismen);
    return p.seznam();
}

TEST(Estimate, LetterAndWordPremiumsOfEveryCell) {
    const struct {
        Kandidat c;
        const char* odhad;
    } cases[] = {
        {{"pes", 1, 1, 0, 1}, "pes 1 1 H 9"},                         // 3S under the first letter
        {{"\357as", 4, 1, 0, 1}, "\357as 4 1 H 18"},                  // ď on a 2P
        {{"\363da", 2, 2, 0, 0}, "\363da 2 2 V 26"},                  // ó down from a 2S
        {{"\236a", 6, 6, 0, 0}, "\236a 6 6 V 13"},                    // ž on a 3P
        {{"aaaaaaaa", 1, 1, 0, 1}, "aaaaaaaa 1 1 H 81"},              // two 3S multiply, 2P between
        {{"\x9D\xF9\xF2", 13, 13, 0, 1}, "\x9D\xF9\xF2 13 13 H 36"},  // ťůň from a 2S
    };
    for (const auto& c : cases) EXPECT_EQ(scored({c.c}, 1), Words{c.odhad});
    const std::vector<Kandidat> cands = {{"pes", 7, 8, 0, 1}, {"a", 8, 8, 0, 1},
                                         {"sep", 7, 8, 0, 1}, {"\363da", 7, 8, 0, 1},
                                         {"es", 8, 8, 0, 1},  {"les", 7, 8, 0, 0}};
    const Words serazene = {"\363da 7 8 H 13", "les 7 8 V 4", "sep 7 8 H 3", "pes 7 8 H 3",
                            "es 8 8 H 2"};  // a later candidate wins a tie
    EXPECT_EQ(scored(cands, 2), serazene);
    EXPECT_EQ(scored(cands, 3), Words(serazene.begin(), serazene.end() - 1));
    EXPECT_EQ(scored(cands, 4), Words{});
}

class FlightUi : public RecordingUi {
  public:
    void PresunPismeno(int t, int sx, int sy, int tx, int ty, int ms) override {
        log("let " + std::to_string(t) + " " + std::to_string(sx) + "," + std::to_string(sy) + " " +
            std::to_string(tx) + "," + std::to_string(ty) + " " + std::to_string(ms));
    }
};

// Which rack tile goes to which cell, and the flight of each.
TEST(Laying, ThroughARunWithARepeatedRackLetter) {
    Pokus p({{8, 8, true, "e"}}, "spse");
    GameState& s = p.f.s;
    const auto rack = s.Zasobnik[1];
    p.ai.Kandidati[1] = {"sese", 7, 8, 5, 1};
    p.ai.PocetKandidatu = 1;
    FlightUi ui;
    p.ai.PolozSlovo(s, ui);
    // The first s from the lower slot, the fixed e stays, the second s from the next slot.
    EXPECT_EQ((std::vector<int>{s.Pole[7][8].Novy, s.Pole[8][8].Novy, s.Pole[9][8].Novy,
                                s.Pole[10][8].Novy}),
              (std::vector<int>{rack[1], 0, rack[3], rack[4]}));
    EXPECT_EQ(s.Zasobnik[1], (Arr1<int32_t, kRack>{0, 0, rack[2], 0, 0, 0, 0, 0}));
    for (int slot : {1, 3, 4}) EXPECT_EQ(s.Kameny[rack[slot]].Vlastnik, kNaBoard);
    const auto let = [&](int slot, const char* path) {
        return "let " + std::to_string(rack[slot]) + path;
    };
    EXPECT_EQ(ui.calls,
              (Words{"zvuk 2", let(1, " 258,720 361,367 1500"), "zvuk 2",
                     let(3, " 352,720 437,367 1500"), "zvuk 2", let(4, " 399,720 474,367 1500")}));
    EXPECT_EQ(ui.redraws, 1);
    // Seat 1's slots and the cells are pinned by the flights above.
    EXPECT_EQ((std::vector<Bod>{polohaNaStojanu(2, 2), polohaNaStojanu(3, 1), polohaNaStojanu(3, 7),
                                polohaNaStojanu(4, 3)}),
              (std::vector<Bod>{{305, 17}, {31, 223}, {31, 505}, {759, 317}}));
}

}  // namespace
}  // namespace tb::test
