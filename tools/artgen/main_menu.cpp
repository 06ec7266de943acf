// The main menu: its background and six buttons (DXMenu), the pointer, the
// two cogs, the centre panel and its captions (DXKur).
#include <cmath>
#include <string>

#include "engine/game/tiles.h"
#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

// Tiles lying loose on the cloth at the sides, clear of every menu control.
void scatteredTiles(cairo_t* cr) {
    struct Loose {
        char letter;
        double x, y, turn;
    };
    static constexpr Loose kLoose[] = {
        {'t', 60, 190, -0.12},  {'a', 120, 262, 0.08}, {'v', 52, 350, 0.15},
        {'i', 128, 440, -0.06}, {'k', 70, 530, 0.1},   {'b', 900, 200, 0.1},
        {'o', 840, 290, -0.14}, {'r', 912, 372, 0.05}, {'u', 846, 462, 0.12},
        {'n', 905, 548, -0.08},
    };
    for (const Loose& t : kLoose) {
        const int kod = tb::letterCodeOf(t.letter);
        cairo_save(cr);
        cairo_translate(cr, t.x + 28, t.y + 28);
        cairo_rotate(cr, t.turn);
        softShadow(cr, {-26, -24, 56, 56}, 6, 7, 0.55);
        drawTile(cr, {-28, -28, 56, 56}, tileCapital(kod), tb::letterInfo(kod).hodnota);
        cairo_restore(cr);
    }
}

Canvas centrePanel() {
    Canvas c(430, 128);
    cairo_t* cr = c.cr();
    insetPanel(cr, c.bounds(), 14);
    // Cog sockets at +45,+64 and +383,+64; caption window at +76,+39 (277x48).
    for (double x : {45.5, 383.5}) {
        cairo_arc(cr, x, 64.5, 27, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.02, 0.06, 0.04);
        cairo_fill_preserve(cr);
        setColour(cr, pal::kBrass, 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    displayWell(cr, {76, 39, 277, 48}, 5);
    return c;
}

Canvas captionPicture(const std::string& text) {
    Canvas c(277, 48);
    drawText(c.cr(), text, c.bounds().inset(6),
             {serif(26), pal::kGold, Align::Centre, 0, 4, hex(0xFFB347)});
    return c;
}

}  // namespace

Canvas makeCog(int w, int teeth, double phase) {
    Canvas c(w, w);
    cairo_t* cr = c.cr();
    const double cx = w / 2.0, r = w / 2.0 - 1, inner = r * 0.78;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: rise, top, fall, valley.
        const double a = phase + 2 * M_PI * i / (teeth * 4.0);
        const double rr = (i % 4 == 1 || i % 4 == 2) ? r : inner;
        i ? cairo_line_to(cr, cx + rr * std::cos(a), cx + rr * std::sin(a))
          : cairo_move_to(cr, cx + rr * std::cos(a), cx + rr * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cx, r * 0.22, 2 * M_PI, 0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, w);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.88, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0.5, pal::kBrass.r, pal::kBrass.g, pal::kBrass.b);
    cairo_pattern_add_color_stop_rgb(g, 1, pal::kBrassDark.r, pal::kBrassDark.g, pal::kBrassDark.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_source_rgba(cr, 0.2, 0.12, 0.02, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cx, r * 0.5, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.3, 0.18, 0.03, 0.6);
    cairo_stroke(cr);
    return c;
}

Canvas makeMenuBackground() {
    Canvas c(1024, 768);
    cairo_t* cr = c.cr();
    fillBaize(cr, c.bounds(), 3);
    drawText(cr, "Tavik Borun", {212, 22, 600, 84},
             {serif(66), pal::kGold, Align::Centre, 3, 7, pal::kGold});
    scatteredTiles(cr);
    return c;
}

void drawMainMenu(Catalog& c) {
    const Canvas bg = makeMenuBackground();
    c.add("DXMenu", "Pozadi", bg, Pos{0, 0});
    struct Button {
        const char* base;
        int x, y;
        const char* text;
        const char* hint;
    };
    static constexpr Button kButtons[] = {
        {"New", 412, 130, "Nová hra", "Začni novou hru"},
        {"Load", 287, 220, "Načti hru", "Nahraj uloženou hru"},
        {"Prubeh", 537, 220, "Průběh her", "Prohlédni si odehrané"},
        {"Option", 287, 470, "Nastavení", "Hudba, zvuky, slovník"},
        {"Credits", 537, 470, "Informace", "Ovládání a pravidla"},
        {"Exit", 412, 560, "Konec", "Ukončit hru"},
    };
    for (const Button& b : kButtons)
        addButton(c, "DXMenu", b.base, {double(b.x), double(b.y), 200, 80}, caption(b.text, 25),
                  kOffOnDown, &bg);
    c.add("DXKur", "Mys", makePointer(), std::nullopt, true);
    c.add("DXKur", "MysStin", makePointerHalo(), std::nullopt, true);
    c.add("DXKur", "Rotate", makeCog(43, 10, 0), Pos{321, 362}, true);
    c.add("DXKur", "RotateL", makeCog(43, 10, M_PI / 20), Pos{659, 362}, true);
    c.add("DXKur", "TandB", captionPicture("Tavik Borun"), Pos{373, 358}, true);
    for (const Button& b : kButtons)
        c.add("DXKur", b.base, captionPicture(b.hint), Pos{373, 358}, true);
    c.add("DXKur", "Stred", centrePanel(), Pos{297, 319}, true);
}

}  // namespace art
