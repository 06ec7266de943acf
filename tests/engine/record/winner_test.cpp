#include "engine/record/winner.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "files/text.h"

namespace tb {
namespace {

TEST(Vitez, ThreeAndFourPlayersWithTies) {
    const struct {
        std::array<int, 4> t;
        int vitez3, vitez4;
    } pripady[] = {
        {{50, 30, 30, 0}, 0, 0},  // a tie out of first place is a draw too
        {{10, 20, 30, 30}, 3, 0}, {{10, 20, 40, 30}, 3, 3}, {{90, 20, 40, 30}, 1, 1},
        {{10, 90, 40, 95}, 2, 4}, {{40, 40, 10, 5}, 0, 0},  {{5, 1, 5, 9}, 0, 0},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(::testing::PrintToString(p.t));
        EXPECT_EQ(Serad3(p.t[0], p.t[1], p.t[2]), p.vitez3);
        EXPECT_EQ(Serad4(p.t[0], p.t[1], p.t[2], p.t[3]), p.vitez4);
    }
}

TEST(Vitez, WhatTheResultsScreenShows) {
    using O = VysledekObrazek;
    const struct {
        const char* nazev;
        int hracu;
        std::array<int, 5> body, pc;
        VysledekObrazek obrazek;
        int wpl;
        const char* vitez;  // "" for none
    } pripady[] = {
        {"two people", 2, {0, 120, 95}, {0, 0, 0}, O::WinPL, 1, "Eva"},
        {"two people, second wins", 2, {0, 95, 120}, {0, 0, 0}, O::WinPL, 2, "Jan"},
        {"person beats computer", 2, {0, 10, 20}, {0, 1, 0}, O::Win, 0, "Jan"},
        {"computer first wins", 2, {0, 30, 20}, {0, 1, 0}, O::Lost, 0, "Eva"},
        {"computer second wins", 2, {0, 10, 20}, {0, 0, 1}, O::Lost, 0, "Jan"},
        {"person beats computer second", 2, {0, 30, 20}, {0, 0, 1}, O::Win, 0, "Eva"},
        {"draw against computer", 2, {0, 20, 20}, {0, 0, 1}, O::Remiza, 0, ""},
        {"draw of people", 2, {0, 20, 20}, {0, 0, 0}, O::Remiza, 0, ""},
        {"three, person wins", 3, {0, 10, 50, 20}, {0, 0, 0, 1}, O::WinPL, 2, "Jan"},
        {"three, computer wins", 3, {0, 10, 20, 50}, {0, 0, 0, 1}, O::Lost, 0, ""},
        {"three, tie", 3, {0, 50, 30, 30}, {0, 0, 0, 0}, O::Remiza, 0, ""},
        {"four, person wins", 4, {0, 1, 2, 3, 4}, {0, 1, 1, 1, 0}, O::WinPL, 4, "Petr"},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.nazev);
        GameState s;
        s.PocetHracu = p.hracu;
        const char* jmena[] = {"", "Eva", "Jan", "Olga", "Petr"};
        for (int h = 1; h <= kSeats; ++h) {
            s.Hraci[h].Jmeno = jmena[h];
            s.Hraci[h].BodyCelkem = p.body[h];
            s.Hraci[h].JePC = p.pc[h];
        }
        const Vysledek v = vysledekHry(s, "0:28:35");
        EXPECT_EQ(v.obrazek, p.obrazek);
        EXPECT_EQ(v.wpl, p.wpl);
        EXPECT_EQ(cp1250ToUtf8(v.radekVitez),
                  *p.vitez ? "Jméno vítěze: " + std::string(p.vitez) : "");
        EXPECT_EQ(cp1250ToUtf8(v.radekDelka), "Délka hry: 0:28:35");
    }
}

}  // namespace
}  // namespace tb
