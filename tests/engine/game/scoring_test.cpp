#include "engine/game/scoring.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "files/text.h"
#include "support/board_setup.h"

namespace tb {
namespace {

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
