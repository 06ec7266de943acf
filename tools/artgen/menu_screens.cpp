// The menu screens after the main one: new game (DXNew, DXCisla, DXZbytek),
// save and load (DXSaL), settings (DXNastaveni, DXNastavTlac) and information
// (DXInfo, DXInfoTlac).
#include <cmath>
#include <string>

#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

constexpr FaceNames kMenuFaces{"Off", "On", "Down"};

Canvas label(const std::string& text, int w, int h, double px, Align align = Align::Right) {
    Canvas c(w, h);
    drawText(c.cr(), text, c.bounds().inset(2), {sans(px), pal::kCream, align, 1.5});
    return c;
}

Canvas well(int w, int h) {
    Canvas c(w, h);
    displayWell(c.cr(), c.bounds().inset(1), 5);
    return c;
}

Canvas value(const std::string& text, int w, int h) {
    Canvas c(w, h);
    drawText(c.cr(), text, c.bounds(), {sans(h * 0.75), pal::kGold, Align::Centre, 0, 2});
    return c;
}

Rect at(double x, double y, double w, double h) {
    return {x, y, w, h};
}

void newGame(Catalog& c, const Canvas& bg) {
    const std::string l = "DXNew";
    c.add(l, "Main", headingPicture("Nová hra", 264, 60), Pos{380, 145}, true);
    c.add(l, "PocetH", label("Počet hráčů:", 280, 45, 22), Pos{285, 250}, true);
    c.add(l, "PHStred", well(48, 43), Pos{651, 251}, true);
    addButton(c, l, "Minus", at(580, 250, 60, 45), icon(Icon::Minus), kMenuFaces, &bg);
    addButton(c, l, "Plus", at(703, 250, 60, 45), icon(Icon::Plus), kMenuFaces, &bg);
    addButton(c, l, "WMinus", at(645, 469, 46, 34), icon(Icon::Minus), kMenuFaces, &bg);
    addButton(c, l, "WPlus", at(730, 469, 46, 34), icon(Icon::Plus), kMenuFaces, &bg);
    addButton(c, l, "TMinus", at(575, 533, 46, 34), icon(Icon::Minus), kMenuFaces, &bg);
    addButton(c, l, "TPlus", at(674, 533, 46, 34), icon(Icon::Plus), kMenuFaces, &bg);
    addButton(c, l, "OK", at(527, 585, 150, 60), caption("Začít", 24), kMenuFaces, &bg);
    addButton(c, l, "Storno", at(365, 585, 150, 60), caption("Zpět", 24), kMenuFaces, &bg);

    for (int n = 2; n <= 4; ++n)
        c.add("DXCisla", std::to_string(n), value(std::to_string(n), 40, 35), Pos{655, 255}, true);
    for (int n = 2; n <= 5; ++n)
        c.add("DXCisla", "W" + std::to_string(n), value(std::to_string(n), 27, 26), Pos{697, 473},
              true);
    for (int t = 0; t <= 300; t += 30) {
        const std::string text =
            t == 0 ? "bez" : std::to_string(t / 60) + ":" + (t % 60 ? "30" : "00");
        c.add("DXCisla", "T" + std::to_string(t), value(text, 43, 26), Pos{627, 537}, true);
    }
}

void seatPictures(Catalog& c) {
    const std::string l = "DXZbytek";
    // Headings over the four name boxes (at 261, 401, 549, 687, 109 wide).
    Canvas heads(540, 36);
    const double boxLeft[] = {261, 401, 549, 687};
    for (int p = 0; p < 4; ++p)
        drawText(heads.cr(), std::to_string(p + 1) + ". hráč", {boxLeft[p] - 257 - 5, 0, 119, 36},
                 {sans(18), pal::kCream, Align::Centre, 1.5});
    c.add(l, "Hraci", heads, Pos{257, 334}, true);
    // The toggles hang on a brass rail.
    Canvas rail(430, 32);
    cairo_rectangle(rail.cr(), 0, 14, 430, 4);
    setColour(rail.cr(), pal::kBrass);
    cairo_fill(rail.cr());
    cairo_rectangle(rail.cr(), 0, 14, 430, 1);
    cairo_set_source_rgba(rail.cr(), 1, 0.95, 0.75, 0.8);
    cairo_fill(rail.cr());
    c.add(l, "PCNapis", rail, Pos{310, 420}, true);
    Canvas names(550, 39);
    for (int p = 0; p < 4; ++p) {
        displayWell(names.cr(), {boxLeft[p] - 256 - 3, 1, 115, 37}, 5);
        c.place("Form1", "MJmeno" + std::to_string(p + 1), {boxLeft[p], 380, 109, 31});
    }
    c.add(l, "Jmena", names, Pos{256, 376}, true);
    c.add(l, "PCNo", buttonFace(at(0, 0, 83, 32), Face::Off, caption("Člověk", 14), nullptr),
          std::nullopt, true);
    c.add(l, "PCYes", buttonFace(at(0, 0, 83, 32), Face::On, caption("Počítač", 14), nullptr),
          std::nullopt, true);
    c.add(l, "WordLimit", label("Nejméně písmen ve slově:", 370, 40, 20), Pos{270, 465}, true);
    c.add(l, "WLStred", well(35, 34), Pos{693, 469}, true);
    c.add(l, "TimeLimit", label("Čas na tah:", 240, 40, 20), Pos{330, 520}, true);
    c.add(l, "TLStred", well(51, 34), Pos{623, 533}, true);
}

void saveAndLoad(Catalog& c, const Canvas& bg) {
    const std::string l = "DXZbytek";
    c.add(l, "SaveOkrajL", makeBrassBar(9, 318), Pos{448, 240});
    c.add(l, "SaveOkrajV", makeBrassBar(318, 9), Pos{448, 240});
    c.add(l, "SaveOkrajP", makeBrassBar(9, 318), Pos{757, 240});
    c.add(l, "SaveOkrajS", makeBrassBar(318, 9), Pos{448, 549});
    c.add(l, "SaveOznac", makeGlowFrame(76, 46, pal::kGold), std::nullopt, true);
    c.add(l, "SavePr", headingPicture("Uložit průběh", 320, 56), Pos{355, 145}, true);
    c.add(l, "Load", headingPicture("Načíst hru", 260, 56), Pos{385, 140}, true);
    c.add(l, "LoadPr", headingPicture("Načíst průběh", 330, 56), Pos{350, 143}, true);
    // The third face of the seat toggle, after the pictures the screens number.
    c.add(l, "PCMistr", buttonFace(at(0, 0, 83, 32), Face::Down, caption("Mistr", 14), nullptr),
          std::nullopt, true);

    const std::string s = "DXSaL";
    c.add(s, "Napis", headingPicture("Uložit hru", 240, 56), Pos{395, 140}, true);
    addButton(c, s, "OK", at(527, 585, 150, 60), caption("OK", 24), kMenuFaces, &bg);
    addButton(c, s, "Storno", at(365, 585, 150, 60), caption("Zpět", 24), kMenuFaces, &bg);
    for (int n = 1; n <= 10; ++n) {
        const Rect slot = at(n % 2 ? 280 : 366, 200 + 60 * ((n + 1) / 2), 70, 40);
        addButton(c, s, std::to_string(n), slot, caption(std::to_string(n), 20),
                  {"Off", "On", nullptr}, &bg);
    }
}

void settings(Catalog& c, const Canvas& bg) {
    const std::string l = "DXNastaveni";
    c.add(l, "Napis", headingPicture("Nastavení", 280, 56), Pos{375, 135}, true);
    c.add(l, "NapisHudba", label("Hlasitost hudby:", 175, 40, 18), Pos{290, 230}, true);
    Canvas line(256, 21);
    // A wedge that widens towards loud.
    cairo_t* cr = line.cr();
    displayWell(cr, line.bounds().inset(1), 6);
    cairo_move_to(cr, 8, 12);
    cairo_line_to(cr, 248, 5);
    cairo_line_to(cr, 248, 16);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(8, 0, 248, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.3, 0.22, 0.08);
    cairo_pattern_add_color_stop_rgb(g, 1, pal::kGold.r, pal::kGold.g, pal::kGold.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    c.add(l, "HudbaLine", line, Pos{469, 244}, true);
    c.add(l, "EfektyNapis", label("Zvukové efekty:", 330, 40, 18), Pos{295, 295}, true);
    Canvas box(46, 46);
    displayWell(box.cr(), {3, 4, 40, 40}, 6);
    brassRim(box.cr(), {1, 2, 44, 44}, 8, 2);
    c.add(l, "EfektyButton", box, Pos{637, 296}, true);
    c.add(l, "SlovnikNapis", headingPicture("Slovník", 180, 46), Pos{425, 365}, true);
    c.add(l, "ZadejSlovo", label("Slovo:", 200, 30, 18), Pos{315, 435}, true);
    c.add(l, "LeftPlocha", well(200, 150), Pos{521, 436}, true);
    c.place("Form1", "SlovnikO", {527, 442, 188, 24});
    c.place("Form1", "DBListBox1", {527, 472, 188, 108});
    Canvas tick(38, 38);
    drawIcon(tick.cr(), Icon::Tick, tick.bounds(), pal::kGold);
    c.add(l, "X", tick, Pos{641, 300}, true);
    Canvas knob(11, 35);
    brassButton(knob.cr(), knob.bounds(), Face::On, nullptr);
    c.add(l, "Jezdec", knob, std::nullopt, true);

    const std::string t = "DXNastavTlac";
    addButton(c, t, "Pr", at(319, 524, 80, 25), caption("Přidat", 13), kOffOnDown, &bg);
    addButton(c, t, "Od", at(409, 524, 80, 25), caption("Odebrat", 13), kOffOnDown, &bg);
    addButton(c, t, "OK", at(447, 591, 150, 60), caption("OK", 24), kOffOnDown, &bg);
}

}  // namespace

Canvas makeBrassBar(int w, int h) {
    Canvas c(w, h);
    const bool across = w >= h;
    cairo_pattern_t* g =
        across ? cairo_pattern_create_linear(0, 0, 0, h) : cairo_pattern_create_linear(0, 0, w, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.9, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0.45, pal::kBrass.r, pal::kBrass.g, pal::kBrass.b);
    cairo_pattern_add_color_stop_rgb(g, 1, pal::kBrassDark.r, pal::kBrassDark.g, pal::kBrassDark.b);
    cairo_set_source(c.cr(), g);
    cairo_paint(c.cr());
    cairo_pattern_destroy(g);
    addGrain(c.cr(), c.bounds(), 6, unsigned(w * 3 + h));
    return c;
}

void drawMenuScreens(Catalog& c) {
    const Canvas bg = c.find("DXMenu", "Pozadi");
    newGame(c, bg);
    seatPictures(c);
    saveAndLoad(c, bg);
    settings(c, bg);
    drawInformation(c, bg);
}

}  // namespace art
