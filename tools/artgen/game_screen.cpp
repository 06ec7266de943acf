// The game screen: the table, the board in its frame, the racks with their
// masks, the score boxes and the right-hand control panel.
#include <cstdio>

#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/paint.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

constexpr Rect kBoard{129, 98, 570, 569};
constexpr Rect kControlPanel{818, 6, 200, 756};

// A wooden rack tray with seven slots; transparent outside its rounded shape.
Canvas rackTray(bool vertical) {
    Canvas c(vertical ? 60 : 360, vertical ? 360 : 60);
    cairo_t* cr = c.cr();
    const Rect all = c.bounds();
    woodenPlate(cr, all.inset(1), 12, vertical ? 31 : 17, false);
    for (int i = 1; i <= 7; ++i) {
        // Slot i holds its tile at 23 + 47 (i - 1) along the tray, 13 or 15 across.
        const double along = 23 + 47 * (i - 1), across = vertical ? 15 : 13;
        const Rect tile = vertical ? Rect{across, along, 32, 32} : Rect{along, across, 32, 32};
        const Rect slot = tile.inset(-3);
        roundedRect(cr, slot, 4);
        cairo_set_source_rgba(cr, 0.05, 0.02, 0.0, 0.55);
        cairo_fill(cr);
        roundedRect(cr, slot.inset(0.5), 4);
        cairo_set_source_rgba(cr, 1, 0.85, 0.6, 0.25);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    return c;
}

// The screen's panel pictures are opaque: black where the tray is see-through,
// and the mask white there and black under the tray.
Canvas overBlack(const Canvas& tray) {
    Canvas c(tray.width(), tray.height());
    cairo_set_source_rgb(c.cr(), 0, 0, 0);
    cairo_paint(c.cr());
    cairo_set_source_surface(c.cr(), tray.surface(), 0, 0);
    cairo_paint(c.cr());
    return c;
}

Canvas maskOf(const Canvas& tray) {
    Canvas c(tray.width(), tray.height());
    cairo_set_source_rgb(c.cr(), 1, 1, 1);
    cairo_paint(c.cr());
    cairo_set_source_rgb(c.cr(), 0, 0, 0);
    cairo_mask_surface(c.cr(), tray.surface(), 0, 0);
    // Hard edge: a pixel is either tray or table.
    cairo_surface_t* s = c.surface();
    cairo_surface_flush(s);
    const int stride = cairo_image_surface_get_stride(s);
    unsigned char* d = cairo_image_surface_get_data(s);
    for (int y = 0; y < c.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(d + y * stride);
        for (int x = 0; x < c.width(); ++x)
            row[x] = (row[x] & 0xFF) >= 128 ? 0xFFFFFFFF : 0xFF000000;
    }
    cairo_surface_mark_dirty(s);
    return c;
}

void boardFrame(cairo_t* cr) {
    const Rect frame = kBoard.inset(-16);
    woodenPlate(cr, frame, 9, 5, true);
    brassRim(cr, kBoard.inset(-3), 3, 3);
    // Column numbers above and row numbers to the left: the error messages name squares.
    for (int i = 1; i <= 15; ++i) {
        char n[4];
        std::snprintf(n, sizeof n, "%d", i);
        const TextStyle st{sans(10), hex(0xF0DDB0), Align::Centre};
        drawText(cr, n, {kBoard.x + cellLeft(i) + 4, frame.y + 1, 34, 12}, st);
        drawText(cr, n, {frame.x + 1, kBoard.y + cellTop(i) + 4, 12, 34}, st);
    }
}

void controlPanel(cairo_t* cr) {
    const Rect p = kControlPanel;
    woodenPlate(cr, p, 10, 77, true);
    drawText(cr, "Tavik Borun", {p.x + 8, 20, p.w - 16, 40},
             {serif(27), pal::kGold, Align::Centre, 1.5, 3, pal::kGold});
    drawScoreBox(cr, {830, 79, 166, 60});
    drawScoreBox(cr, {830, 144, 166, 60});
    // The status message is painted on black, 79 pixels wide from x = 871.
    displayWell(cr, {865, 423, 91, 21}, 4);
    insetPanel(cr, {841, 460, 142, 184}, 8);
}

}  // namespace

void drawScoreBox(cairo_t* cr, Rect r) {
    insetPanel(cr, r, 7);
    // Name at +23,+6 (120 wide), last move at +24,+39 (40), total at +83,+39 (60).
    displayWell(cr, {r.x + 19, r.y + 6, 128, 25}, 4);
    displayWell(cr, {r.x + 20, r.y + 37, 48, 19}, 4);
    displayWell(cr, {r.x + 79, r.y + 37, 68, 19}, 4);
    const TextStyle tiny{sans(8, false), hex(0xD9B96A), Align::Centre};
    drawText(cr, "tah", {r.x + 3, r.y + 38, 16, 17}, tiny);
    drawText(cr, "Σ", {r.x + 148, r.y + 38, 16, 17}, {sans(11), hex(0xD9B96A), Align::Centre});
}

Canvas makeTableBackground() {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    fillBaize(cr, c.bounds(), 1);
    boardFrame(cr);
    controlPanel(cr);
    return c;
}

void drawGameScreen(Catalog& c) {
    c.add("Form1", "Pozadi", makeTableBackground(), Pos{0, 0});
    c.add("Form1", "HraciPlocha", makeBoard(), Pos{129, 98});
    const Canvas across = rackTray(false), upright = rackTray(true);
    c.add("Form1", "Panel1", overBlack(across), Pos{235, 707});
    c.add("Form1", "Panel2", overBlack(across), Pos{235, 4});
    c.add("Form1", "Panel3", overBlack(upright), Pos{16, 200});
    c.add("Form1", "Panel4", overBlack(upright), Pos{744, 200});
    c.add("Form1", "PanelX", maskOf(across));
    c.add("Form1", "PanelY", maskOf(upright));
    for (int p = 3; p <= 4; ++p) {
        // Copied onto the panel as it is, so the box carries its own piece of wood.
        const Rect at{830, p == 3 ? 209.0 : 274.0, 166, 60};
        Canvas box = cropOf(c.find("Form1", "Pozadi"), at);
        drawScoreBox(box.cr(), box.bounds());
        c.add("Form1", p == 3 ? "Body3" : "Body4", box, Pos{int(at.x), int(at.y)});
    }
}

}  // namespace art
