// The information and rules pages: title, frame, the pictures the pages show
// (an emblem, a separating line, the control panel and a score box, numbered
// as the text explains them) and the page buttons.
#include <cmath>
#include <string>

#include "engine/game/tiles.h"
#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

void badge(cairo_t* cr, double x, double y, const std::string& text) {
    cairo_arc(cr, x, y, 7.5, 0, 2 * M_PI);
    setColour(cr, pal::kGold);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.25, 0.15, 0.02);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    drawText(cr, text, {x - 7, y - 7, 14, 14}, {sans(text.size() > 1 ? 7.5 : 9.5), pal::kInk});
}

Canvas emblem() {
    Canvas c(90, 90);
    cairo_t* cr = c.cr();
    insetPanel(cr, c.bounds(), 8);
    const std::pair<char, double> tiles[] = {{'t', -0.2}, {'b', 0.15}};
    for (int i = 0; i < 2; ++i) {
        const int kod = tb::letterCodeOf(tiles[i].first);
        cairo_save(cr);
        cairo_translate(cr, 33 + 24 * i, 40 + 10 * i);
        cairo_rotate(cr, tiles[i].second);
        softShadow(cr, {-18, -16, 36, 36}, 4, 4, 0.5);
        drawTile(cr, {-19, -19, 38, 38}, tileCapital(kod), tb::letterInfo(kod).hodnota);
        cairo_restore(cr);
    }
    return c;
}

Canvas separator() {
    Canvas c(450, 3);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 450, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.95, 0.78, 0.36, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0.95, 0.78, 0.36, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.95, 0.78, 0.36, 0);
    cairo_rectangle(c.cr(), 0, 1, 450, 1);
    cairo_set_source(c.cr(), g);
    cairo_fill(c.cr());
    cairo_pattern_destroy(g);
    return c;
}

// The game screen's control panel with its ten parts numbered.
Canvas controlPanelPicture(const Canvas& table) {
    Canvas c(200, 250);
    cairo_t* cr = c.cr();
    const double ox = 836, oy = 415, dx = 26, dy = 10;
    cairo_set_source_surface(cr, table.surface(), dx - ox, dy - oy);
    roundedRect(cr, {dx, dy, 154, 232}, 8);
    cairo_fill(cr);
    const std::pair<double, double> parts[] = {{865, 423}, {911, 469}, {868, 469}, {860, 512},
                                               {910, 512}, {849, 566}, {914, 566}, {859, 591},
                                               {914, 591}, {882, 616}};
    for (int i = 0; i < 10; ++i)
        badge(cr, parts[i].first - ox + dx + 2, parts[i].second - oy + dy + 2,
              std::to_string(i + 1));
    return c;
}

// A score box as it looks in play, with its three parts lettered a) b) c).
Canvas scoreBoxPicture() {
    Canvas c(190, 78);
    cairo_t* cr = c.cr();
    const Rect box{14, 10, 166, 60};
    drawScoreBox(cr, box);
    const TextStyle white{{"Liberation Serif", 20, false}, {1, 1, 1}};
    drawText(cr, "Hráč 1", {box.x + 23, box.y + 6, 120, 24}, white);
    const TextStyle number{sans(14), {1, 1, 1}};
    drawText(cr, "12", {box.x + 24, box.y + 38, 40, 17}, number);
    drawText(cr, "148", {box.x + 83, box.y + 38, 60, 17}, number);
    badge(cr, box.x + 10, box.y + 8, "a");
    badge(cr, box.x + 18, box.y + 58, "b");
    badge(cr, box.x + 154, box.y + 58, "c");
    return c;
}

}  // namespace

void drawInformation(Catalog& c, const Canvas& bg) {
    const std::string l = "DXInfo";
    c.add(l, "Napis", headingPicture("Informace", 240, 60), Pos{395, 120}, true);
    c.add(l, "Left", makeBrassBar(6, 369), Pos{283, 202});
    c.add(l, "Top", makeBrassBar(473, 6), Pos{283, 202});
    c.add(l, "Right", makeBrassBar(6, 369), Pos{750, 202});
    c.add(l, "Bottom", makeBrassBar(473, 6), Pos{283, 565});
    c.add(l, "foto", emblem(), Pos{320, 280}, true);
    c.add(l, "Line", separator(), std::nullopt, true);
    c.add(l, "HMenu", controlPanelPicture(c.find("DXImageList1", "Povrch1")), Pos{290, 270}, true);
    c.add(l, "Body", scoreBoxPicture(), Pos{290, 330}, true);
    const std::string t = "DXInfoTlac";
    addButton(c, t, "Back", {378, 595, 110, 50}, caption("Zpět", 20), kOffOnDown, &bg);
    addButton(c, t, "Next", {561, 595, 110, 50}, caption("Další", 20), kOffOnDown, &bg);
    addButton(c, t, "Exit", {500, 595, 50, 50}, icon(Icon::Close), kOffOnDown, &bg);
}

}  // namespace art
