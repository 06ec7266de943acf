// The 38 letter tiles, in the letter order and with the values of the rules.
#include "engine/game/tiles.h"

#include <glib.h>

#include <cstdio>
#include <memory>

#include "files/text.h"
#include "tools/artgen/families.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/pieces.h"

namespace art {

std::string tileCapital(int kod) {
    const std::string utf8 = tb::cp1250ToUtf8(tb::letterInfo(kod).pismeno);
    std::unique_ptr<char, decltype(&g_free)> upper(g_utf8_strup(utf8.c_str(), -1), &g_free);
    return upper.get();
}

void drawTile(cairo_t* cr, Rect r, const std::string& capitalUtf8, int points) {
    const double k = r.w / 32.0;
    cairo_save(cr);
    // Dark edge first: the corners of the square picture read as the tile's rim.
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    cairo_set_source_rgb(cr, 0.24, 0.17, 0.09);
    cairo_fill(cr);
    const Rect face = r.inset(0.8 * k);
    cairo_pattern_t* g = cairo_pattern_create_linear(face.x, face.y, face.right(), face.bottom());
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.98, 0.91);
    cairo_pattern_add_color_stop_rgb(g, 0.55, pal::kIvory.r, pal::kIvory.g, pal::kIvory.b);
    cairo_pattern_add_color_stop_rgb(g, 1, pal::kIvoryShade.r, pal::kIvoryShade.g,
                                     pal::kIvoryShade.b);
    roundedRect(cr, face, 3.5 * k);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Bevel: bright top-left, shaded bottom-right.
    roundedRect(cr, face.inset(0.8 * k), 3 * k);
    cairo_set_line_width(cr, 1.2 * k);
    cairo_pattern_t* b = cairo_pattern_create_linear(face.x, face.y, face.right(), face.bottom());
    cairo_pattern_add_color_stop_rgba(b, 0, 1, 1, 1, 0.9);
    cairo_pattern_add_color_stop_rgba(b, 0.5, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(b, 0.51, 0.45, 0.33, 0.15, 0);
    cairo_pattern_add_color_stop_rgba(b, 1, 0.45, 0.33, 0.15, 0.55);
    cairo_set_source(cr, b);
    cairo_stroke(cr);
    cairo_pattern_destroy(b);
    drawText(cr, capitalUtf8, {r.x + 1.5 * k, r.y + 2 * k, 22 * k, 26 * k},
             {{"DejaVu Sans", 19 * k, true}, pal::kInk, Align::Centre});
    char value[8];
    std::snprintf(value, sizeof value, "%d", points);
    drawText(cr, value, {r.x + 20 * k, r.y + 20 * k, 11 * k, 10 * k},
             {{"DejaVu Sans Condensed", 9 * k, true}, hex(0x5A3C1E), Align::Centre});
    cairo_restore(cr);
}

void drawLetterTiles(Catalog& c) {
    for (int kod = 1; kod <= 38; ++kod) {
        Canvas tile(32, 32);
        drawTile(tile.cr(), tile.bounds(), tileCapital(kod), tb::letterInfo(kod).hodnota);
        char name[16];
        std::snprintf(name, sizeof name, "pismeno%02d", kod);
        c.addAs("DXPismeno", name, tb::letterImagePath(kod), tile);
    }
}

}  // namespace art
