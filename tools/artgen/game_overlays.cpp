// The game screen's overlay list: composed background, cursor frames, the
// exchange mark, the pointer and its shadow, the clock panel.
#include <cmath>

#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

// As the game lays a rack on: the table AND the mask, then OR the panel.
void maskedCopy(Canvas& dst, const Canvas& mask, const Canvas& pic, int x0, int y0) {
    auto row = [](const Canvas& c, int y) {
        return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(c.surface()) +
                                           y * cairo_image_surface_get_stride(c.surface()));
    };
    cairo_surface_flush(dst.surface());
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            uint32_t& d = row(dst, y0 + y)[x0 + x];
            d = (d & row(mask, y)[x]) | row(pic, y)[x];
        }
    cairo_surface_mark_dirty(dst.surface());
}

// The background as the game composes it for two players: table, board,
// racks 1 and 2 through their masks, idle buttons.
Canvas composedTable(const Catalog& c) {
    Canvas out = cropOf(c.find("Form1", "Pozadi"), {0, 0, 1024, 768});
    cairo_t* cr = out.cr();
    cairo_set_source_surface(cr, c.find("Form1", "HraciPlocha").surface(), 129, 98);
    cairo_paint(cr);
    const Canvas mask = c.find("Form1", "PanelX");
    maskedCopy(out, mask, c.find("Form1", "Panel1"), 235, 707);
    maskedCopy(out, mask, c.find("Form1", "Panel2"), 235, 4);
    static const char* kIdle[] = {"NextOFF",   "ChangeOff", "BackOFF",  "FFOFF",  "KontrolaOFF",
                                  "PrubehOFF", "TipOFF",    "PoctyOFF", "MenuOFF"};
    for (const Item& i : c.items())
        for (const char* idle : kIdle)
            if (i.list == "Form1.DXMenu" && i.name == idle) {
                cairo_set_source_surface(cr, i.picture.surface(), i.pos->x, i.pos->y);
                cairo_paint(cr);
            }
    return out;
}

Canvas exchangeMark() {
    Canvas c(34, 32);
    cairo_t* cr = c.cr();
    roundedRect(cr, c.bounds().inset(1), 4);
    cairo_set_source_rgba(cr, 0.75, 0.1, 0.08, 0.28);
    cairo_fill_preserve(cr);
    cairo_set_source_rgba(cr, 0.85, 0.12, 0.1, 0.95);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, 26, 8, 6.5, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.8, 0.12, 0.1);
    cairo_fill(cr);
    drawIcon(cr, Icon::Swap, {20.5, 2.5, 11, 11}, {1, 1, 1});
    return c;
}

Canvas clockPanel() {
    Canvas c(170, 72);
    cairo_t* cr = c.cr();
    insetPanel(cr, c.bounds(), 8);
    // The three times are painted at +107,+7 / +24 / +41, 60 wide.
    displayWell(cr, {103, 5, 62, 60}, 4);
    const char* labels[] = {"Celkem", "Tah", "Limit"};
    for (int i = 0; i < 3; ++i)
        drawText(cr, labels[i], {10, 6.0 + 17 * i, 88, 17},
                 {sans(12), pal::kCream, Align::Right, 1});
    return c;
}

}  // namespace

Canvas makeGlowFrame(int w, int h, Rgb colour) {
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    for (int i = 4; i >= 1; --i) {
        roundedRect(cr, c.bounds().inset(3.5 - i * 0.5), 6);
        setColour(cr, colour, 0.12);
        cairo_set_line_width(cr, i * 1.6);
        cairo_stroke(cr);
    }
    roundedRect(cr, c.bounds().inset(3), 5);
    setColour(cr, colour);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    roundedRect(cr, c.bounds().inset(3), 5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    return c;
}

Canvas makePointer() {
    Canvas c(24, 24);
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 1.5, 1.5);
    cairo_line_to(cr, 1.5, 19);
    cairo_line_to(cr, 6, 14.8);
    cairo_line_to(cr, 9.3, 21.5);
    cairo_line_to(cr, 12.4, 20);
    cairo_line_to(cr, 9.2, 13.4);
    cairo_line_to(cr, 15, 13.4);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 14, 20);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.97, 0.85);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.93, 0.76, 0.38);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgb(cr, 0.16, 0.09, 0.02);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    return c;
}

Canvas makePointerHalo() {
    Canvas c(30, 30);
    cairo_pattern_t* g = cairo_pattern_create_radial(11, 12, 0, 11, 12, 15);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
    cairo_set_source(c.cr(), g);
    cairo_paint(c.cr());
    cairo_pattern_destroy(g);
    return c;
}

void drawGameOverlays(Catalog& c) {
    const Canvas table = composedTable(c);
    c.add("DXImageList1", "Povrch1", table, Pos{0, 0});
    c.add("DXImageList1", "KurzorA", makeGlowFrame(42, 42, pal::kGold), std::nullopt, true);
    c.add("DXImageList1", "KurzorV", makeGlowFrame(42, 42, hex(0x9FD4FF)), std::nullopt, true);
    c.add("DXImageList1", "KV", exchangeMark(), std::nullopt, true);
    c.add("DXImageList1", "Mys", makePointer(), std::nullopt, true);
    c.add("DXImageList1", "MysStin", makePointerHalo(), std::nullopt, true);
    c.add("DXImageList1", "CAS", clockPanel(), Pos{829, 688}, true);
    c.add("DXImageList1", "Povrch2", cropOf(table, {0, 0, 1024, 768}), Pos{0, 0});
}

}  // namespace art
