#pragma once
// Pieces of the game screen that other pictures show again (the information
// pages picture the control panel and a score box, the menus show tiles).

#include <string>

#include "tools/artgen/paint.h"

namespace art {

// Ivory tile with its capital letter and point value, filling r (32x32 in play).
void drawTile(cairo_t* cr, Rect r, const std::string& capitalUtf8, int points);
// Capital letter (UTF-8) of a letter code 1..38.
std::string tileCapital(int kod);

// The 570x569 board with its premium squares.
Canvas makeBoard();
// Top-left of board cell (x, y), 1..15, relative to the board.
double cellLeft(int x);
double cellTop(int y);

// A player's score box (166x60): name well and two number wells.
void drawScoreBox(cairo_t* cr, Rect r);
// The whole game screen background (1024x768) without racks 3 and 4.
Canvas makeTableBackground();

}  // namespace art

namespace art {
// The game's own mouse pointer (24x24) and the soft halo drawn under it (30x30).
Canvas makePointer();
Canvas makePointerHalo();
}  // namespace art

namespace art {
// A glowing rounded frame around a w x h picture (cursor, selection marker).
Canvas makeGlowFrame(int w, int h, Rgb colour);
// A polished brass bar, for frames built of four pieces.
Canvas makeBrassBar(int w, int h);
// The menu screens' common background (1024x768).
Canvas makeMenuBackground();
// A brass cog of `teeth` teeth filling a w x w picture.
Canvas makeCog(int w, int teeth, double phase);
}  // namespace art
