#include "engine/game/placement_checker.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/game/scoring.h"
#include "files/text.h"
#include "support/board_setup.h"

namespace tb {
namespace {

struct Slovo {
    int x, y;
    bool vodorovne;
    const char* pismena;
    bool pevne = false;
};

PlacementChecker zkontroluj(const std::vector<Slovo>& deska, int minPismen, int prvniTah) {
    test::Deska d;
    for (const Slovo& w : deska)
        (d.*(w.pevne ? &test::Deska::pevne : &test::Deska::nove))(w.x, w.y, w.vodorovne, w.pismena);
    PlacementChecker k;
    for (int y = 1; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x)
            k.setSquare(x, y, d.s.Pole[x][y].Pevny, d.s.Pole[x][y].Novy);
    k.setRules(minPismen, 0, uint8_t(prvniTah));
    k.markNeighbours();
    k.hasFault();
    return k;
}

TEST(Validator, RulesScanningOrderAndPrecedence) {
    const bool H = true, V = false;
    const Slovo pes{7, 8, H, "pes", true};
    const struct {
        const char* nazev;
        std::vector<Slovo> deska;
        int minPismen, prvniTah;
        const char* chyba;  // "kod word x,y zRadku"
    } pripady[] = {
        {"empty move", {pes}, 2, 0, "0  0,0 0"},
        {"lone first tile on the centre", {{8, 8, H, "a"}}, 2, 1, "1 a 8,8 0"},
        {"first word away from the centre", {{2, 2, H, "le"}}, 2, 1, "4 le 2,2 1"},
        {"first word through the centre", {{6, 8, H, "les"}}, 2, 1, "0  0,0 0"},
        {"word far from the fixed tiles", {pes, {1, 1, H, "le"}}, 2, 0, "3 le 1,1 1"},
        {"touching only diagonally", {{5, 5, H, "a", true}, {6, 6, H, "le"}}, 2, 0, "3 le 6,6 1"},
        {"touching from above", {{6, 5, H, "a", true}, {6, 6, H, "le"}}, 2, 0, "0  0,0 0"},
        {"perpendicular word too short", {pes, {7, 9, H, "a"}}, 3, 0, "2 pa 7,8 0"},
        {"extension long enough", {pes, {10, 8, H, "y"}}, 4, 0, "0  0,0 0"},
        {"column fault wins", {pes, {1, 1, H, "le"}, {15, 10, V, "ab"}}, 2, 0, "3 ab 15,10 0"},
        {"first fault in row order", {pes, {1, 5, H, "le"}, {1, 2, H, "ab"}}, 2, 0, "3 ab 1,2 1"},
        {"lone tile reported from the columns", {pes, {1, 1, H, "a"}}, 2, 0, "1 a 1,1 0"},
        {"run stops at the board edge", {{13, 8, H, "kos"}}, 2, 1, "4 kos 13,8 1"},
        {"run stops at the bottom edge", {{3, 14, V, "ty"}}, 2, 1, "4 ty 3,14 0"},
        {"two legal runs", {pes, {10, 8, H, "y"}, {7, 9, V, "al"}}, 2, 0, "0  0,0 0"},
    };
    for (const auto& p : pripady) {
        const PlacementChecker k = zkontroluj(p.deska, p.minPismen, p.prvniTah);
        EXPECT_EQ(std::to_string(k.kod()) + " " + k.slovo() + " " + std::to_string(k.x()) + "," +
                      std::to_string(k.y()) + " " + std::to_string(k.zRadku()),
                  p.chyba)
            << p.nazev;
    }
}

struct Pripad {
    const char* nazev;
    std::function<void(test::Deska&)> deska;
    int bodyTah;
    const char* rozpis;  // UTF-8
};

TEST(Oboduj, WordsPremiumsAndDescription) {
    const std::vector<Pripad> pripady = {
        {"row word over 2S", [](test::Deska& d) { d.nove(2, 2, true, "pes"); }, 6, "pes(2,2) :6,"},
        {"column word over 3S", [](test::Deska& d) { d.nove(8, 1, false, "les"); }, 9,
         "les(8,1):9,"},
        {"two 3S and a 2P in one word", [](test::Deska& d) { d.nove(1, 1, true, "aeiklnop"); }, 81,
         "aeiklnop(1,1) :81,"},
        {"premium under an old tile counts again",
         [](test::Deska& d) {
             d.pevne(2, 2, true, "pes");
             d.nove(5, 2, true, "a");
         },
         8, "pesa(2,2) :8,"},
        {"a tile in two words counts twice with its premium",
         [](test::Deska& d) {
             d.pevne(6, 7, true, "p");
             d.pevne(8, 7, true, "s");
             d.pevne(7, 6, true, "l");
             d.nove(7, 7, true, "\xe8");  // č, 4 points on 2P
         },
         19, "pčs(6,7) :10,lč(7,6):9,"},
        {"word reaching column 15", [](test::Deska& d) { d.nove(13, 8, true, "kos"); }, 9,
         "kos(13,8) :9,"},
        {"new tiles apart form no word", [](test::Deska& d) { d.nove(3, 3, true, "a"); }, 0, "x"},
        {"pass", [](test::Deska&) {}, 0, "x"},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        test::Deska d;
        p.deska(d);
        d.s.NaTahu = 2;
        d.s.Hraci[2].BodyTah = 77;
        d.s.Hraci[2].BodyCelkem = 100;
        d.s.Rozpis = p.bodyTah ? "" : "x";
        Oboduj(d.s);
        EXPECT_EQ(d.s.Hraci[2].BodyTah, p.bodyTah);
        EXPECT_EQ(d.s.Hraci[2].BodyCelkem, 100 + p.bodyTah);
        EXPECT_EQ(cp1250ToUtf8(d.s.Rozpis), p.rozpis);
        EXPECT_EQ(d.s.Hraci[1].BodyCelkem, 0);
    }
}

}  // namespace
}  // namespace tb
