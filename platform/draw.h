#pragma once
// The drawing operations of the game's screens on a bitmap. A source pixel's
// alpha decides how much of it is laid on: 0 (a transparent colour) is
// skipped, 255 replaces, anything between is mixed. Everything is clipped to
// the destination.

#include "platform/bitmap.h"

namespace tb {

void fill(Bitmap& dst, Rgb c);
void fillRect(Bitmap& dst, Rect r, Rgb c);
// Copies src at (x, y) ignoring its alpha: the fast path for opaque pictures.
void copyOpaque(Bitmap& dst, int x, int y, const Bitmap& src);
// Lays src at (x, y).
void draw(Bitmap& dst, int x, int y, const Bitmap& src);
// Lays src stretched into r.
void stretchDraw(Bitmap& dst, Rect r, const Bitmap& src);
// Adds src, stretched into r and scaled by strength 0..255, to what is there
// (each channel saturates at 255): the glow of the fades.
void drawAdd(Bitmap& dst, Rect r, const Bitmap& src, int strength);
// Mixes src, stretched into r, with what is there at strength 0..255.
void drawAlpha(Bitmap& dst, Rect r, const Bitmap& src, int strength);
// Lays src scaled to w x h, turned clockwise by angle/256 of a full turn
// about its middle, with that middle at (cx, cy).
void drawRotate(Bitmap& dst, int cx, int cy, int w, int h, const Bitmap& src, int angle);

// Bitwise raster operations of the mask technique (black-and-white mask ANDed
// on, then the picture ORed on). Alpha is ignored.
enum class RasterOp { And, Or };
void rasterOp(Bitmap& dst, int x, int y, const Bitmap& src, RasterOp op);

}  // namespace tb
