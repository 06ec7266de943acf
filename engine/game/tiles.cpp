#include "engine/game/tiles.h"

#include <array>
#include <cstdio>

namespace tb {
namespace {

// Letters in code page 1250, in letter-code order; tile numbers are handed out
// in this order, so a letter's tiles are consecutive.
constexpr std::array<LetterInfo, kLetters + 1> kTable = {{
    {"", 0, 0, 0},      {"a", 1, 6, 1},     {"\xE1", 2, 2, 7},  {"b", 2, 2, 9},
    {"c", 3, 2, 11},    {"\xE8", 4, 2, 13}, {"d", 2, 2, 15},    {"\xEF", 8, 1, 17},
    {"e", 1, 5, 18},    {"\xE9", 5, 1, 23}, {"\xEC", 5, 2, 24}, {"f", 8, 1, 26},
    {"g", 8, 1, 27},    {"h", 3, 2, 28},    {"i", 1, 4, 30},    {"\xED", 2, 2, 34},
    {"j", 2, 2, 36},    {"k", 1, 4, 38},    {"l", 1, 4, 42},    {"m", 2, 3, 46},
    {"n", 1, 3, 49},    {"\xF2", 6, 1, 52}, {"o", 1, 6, 53},    {"\xF3", 10, 1, 59},
    {"p", 1, 3, 60},    {"r", 1, 4, 63},    {"\xF8", 4, 2, 67}, {"s", 1, 5, 69},
    {"\x9A", 3, 2, 74}, {"t", 1, 4, 76},    {"\x9D", 7, 1, 80}, {"u", 2, 3, 81},
    {"\xF9", 5, 1, 84}, {"\xFA", 6, 1, 85}, {"v", 1, 3, 86},    {"y", 1, 3, 89},
    {"\xFD", 4, 2, 92}, {"z", 3, 2, 94},    {"\x9E", 4, 2, 96},
}};

constexpr std::array<int, kTiles + 1> makeTileCodes() {
    std::array<int, kTiles + 1> codes{};
    for (int kod = 1; kod <= kLetters; ++kod)
        for (int i = 0; i < kTable[kod].pocet; ++i) codes[kTable[kod].prvni + i] = kod;
    return codes;
}
constexpr auto kTileCodes = makeTileCodes();

}  // namespace

const LetterInfo& letterInfo(int kod) {
    return kTable[(kod >= 1 && kod <= kLetters) ? kod : 0];
}

int letterCodeOfTile(int tile) {
    return (tile >= 1 && tile <= kTiles) ? kTileCodes[tile] : 0;
}

int letterCodeOf(char c) {
    for (int kod = 1; kod <= kLetters; ++kod)
        if (kTable[kod].pismeno[0] == c) return kod;
    return 0;
}

std::string letterImagePath(int kod) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "images/pismena/pismeno%02d.bmp", kod);
    return buf;
}

void dejpismeno(GameState& s, int n) {
    if (n < 1 || n > kTiles) return;
    const int kod = kTileCodes[n];
    s.Kameny[n].Hodnota = kTable[kod].hodnota;
    s.Kameny[n].Pismeno = kTable[kod].pismeno;
    s.PismenoKod = kod;
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", kod);
    s.PismenoCislo = buf;
}

void dejVsechnaPismena(GameState& s) {
    for (int n = 1; n <= kTiles; ++n) dejpismeno(s, n);
}

PremiumKrat premiumKrat(int kod) {
    switch (kod) {
        case kLetter2:
            return {2, 1};
        case kLetter3:
            return {3, 1};
        case kWord2:
            return {1, 2};
        case kWord3:
            return {1, 3};
        default:
            return {};
    }
}

void InitBodovanePole(GameState& s) {
    for (auto& col : s.BodovanePole) col.fill(kPlain);
    struct Cell {
        int x, y, kod;
    };
    // The upper-left quadrant; the rest of the board mirrors it.
    static constexpr Cell kQuadrant[] = {
        {1, 1, kWord3},   {1, 8, kWord3},   {8, 1, kWord3},   {2, 2, kWord2},   {3, 3, kWord2},
        {4, 4, kWord2},   {5, 5, kWord2},   {2, 6, kLetter3}, {6, 2, kLetter3}, {6, 6, kLetter3},
        {1, 4, kLetter2}, {4, 1, kLetter2}, {3, 7, kLetter2}, {7, 3, kLetter2}, {7, 7, kLetter2},
        {4, 8, kLetter2}, {8, 4, kLetter2},
    };
    for (const Cell& c : kQuadrant) {
        s.BodovanePole[c.x][c.y] = c.kod;
        s.BodovanePole[16 - c.x][c.y] = c.kod;
        s.BodovanePole[c.x][16 - c.y] = c.kod;
        s.BodovanePole[16 - c.x][16 - c.y] = c.kod;
    }
}

}  // namespace tb
