#pragma once
// The letter set: 38 letters, 97 tiles, and the premium map of the board.

#include <string>

#include "engine/game/game_state.h"

namespace tb {

struct LetterInfo {
    const char* pismeno;  // one code-page-1250 byte
    int hodnota;
    int pocet;  // tiles of this letter
    int prvni;  // first tile number carrying it
};

// Letter code 1..38 -> its row of the letter table.
const LetterInfo& letterInfo(int kod);
// Tile number 1..97 -> its letter code 1..38 (0 for anything else).
int letterCodeOfTile(int tile);
// Letter (one code-page-1250 byte) -> letter code 1..38, 0 if not a tile letter.
int letterCodeOf(char c);
// "images/pismena/pismeno01.bmp" .. "pismeno38.bmp".
std::string letterImagePath(int kod);

// Fills tile n's value and letter; sets PismenoKod and PismenoCislo.
// A tile number outside 1..97 changes nothing.
void dejpismeno(GameState& s, int n);
// Fills the whole tile table (done once when the game screen first shows).
void dejVsechnaPismena(GameState& s);
void InitBodovanePole(GameState& s);

// What a premium square does: multiplies its letter (2P, 3P) or the whole
// word (2S, 3S).
struct PremiumKrat {
    int pismeno = 1;
    int slovo = 1;
};
PremiumKrat premiumKrat(int kod);

}  // namespace tb
