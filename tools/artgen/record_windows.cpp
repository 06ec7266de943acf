// The move list, the letters table and the results screen.
#include <string>

#include "engine/game/tiles.h"
#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/icons.h"
#include "tools/artgen/pieces.h"

namespace art {

namespace {

void moveList(Catalog& c) {
    const std::string w = "TZapis";
    Canvas bg = windowPicture(500, 400, "Průběh hry");
    displayWell(bg.cr(), {21, 51, 458, 328}, 3);
    c.add(w, "Pozadi", bg, Pos{0, 0});
    c.place(w, "Tabule", {21, 51, 458, 328});
    addButton(c, w, "ZrusPr", {450, 11, 30, 30}, icon(Icon::Close), kOffOn, &bg);
}

void lettersTable(Catalog& c) {
    const std::string w = "TPaB";
    Canvas bg(450, 300);
    windowBackground(bg.cr(), bg.bounds(), "");
    drawText(bg.cr(), "Písmena", {95, 8, 260, 28}, {serif(22), pal::kGold, Align::Centre, 1.5});
    // Faint row bands behind the five columns of labels (x = 25 + 85 k, y = 45 + 30 r).
    for (int row = 0; row < 8; ++row) {
        roundedRect(bg.cr(), {16, 41.0 + 30 * row, row < 6 ? 424.0 : 334.0, 26}, 5);
        cairo_set_source_rgba(bg.cr(), 0, 0, 0, row % 2 ? 0.18 : 0.3);
        cairo_fill(bg.cr());
    }
    c.add(w, "Image1", bg, Pos{0, 0});
    for (int k = 0; k < 38; ++k)
        c.place(w, "Label" + std::to_string(k + 1),
                {25.0 + 85 * (k / 8), 45.0 + 30 * (k % 8), 80, 20});
    addButton(c, w, "PZbytek", {21, 12, 70, 20}, caption("Zbývá", 11), kOffOnDown, &bg);
    addButton(c, w, "PBody", {360, 12, 70, 20}, caption("Body", 11), kOffOnDown, &bg);
    addButton(c, w, "PZaklad", {357, 223, 80, 40}, caption("Celá sada", 12), kOffOnDown, &bg);
    addButton(c, w, "PZavri", {357, 268, 80, 20}, caption("Zavřít", 11), kOffOn, &bg);
}

// A row of large tiles spelling a word, centred on cx.
void tileWord(cairo_t* cr, const std::string& cp1250, double cx, double y, double size) {
    const double step = size * 1.12, x0 = cx - step * cp1250.size() / 2;
    for (size_t i = 0; i < cp1250.size(); ++i) {
        if (cp1250[i] == ' ') continue;
        const int kod = tb::letterCodeOf(cp1250[i]);
        softShadow(cr, {x0 + step * i + 3, y + 5, size, size}, 6, 6, 0.5);
        drawTile(cr, {x0 + step * i, y, size, size}, tileCapital(kod), tb::letterInfo(kod).hodnota);
    }
}

void results(Catalog& c) {
    const std::string w = "TKonecForm";
    Canvas bg(1024, 768);
    cairo_t* cr = bg.cr();
    fillBaize(cr, bg.bounds(), 44);
    woodenPlate(cr, {180, 12, 664, 300}, 14, 9, true);
    insetPanel(cr, {196, 150, 632, 146}, 10);
    tileWord(cr, "konec hry", 512, 390, 64);
    c.add(w, "Pozadi", bg, Pos{0, 0});
    c.place(w, "Label1", {208, 160, 610, 60});
    c.place(w, "Label2", {208, 240, 600, 48});
    c.add(w, "Win", headingPicture("Vítězství!", 450, 120, 84), Pos{290, 25}, true);
    c.add(w, "Lost", headingPicture("Vyhrál počítač", 480, 115, 64), Pos{280, 25}, true);
    c.add(w, "Remiza", headingPicture("Remíza", 350, 100, 76), Pos{350, 25}, true);
    // "Vyhrál 3. hráč": the number between the words comes from WPL1..WPL4 (at +290).
    Canvas winPl(600, 115);
    TextStyle big{serif(64), pal::kGold, Align::Right, 2, 5, pal::kGold};
    drawText(winPl.cr(), "Vyhrál", {0, 0, 280, 115}, big);
    big.align = Align::Left;
    drawText(winPl.cr(), "hráč", {415, 0, 185, 115}, big);
    c.add(w, "WinPL", winPl, Pos{215, 25}, true);
    for (int p = 1; p <= 4; ++p)
        c.add(w, "WPL" + std::to_string(p), headingPicture(std::to_string(p) + ".", 115, 95, 64),
              Pos{505, 30}, true);
    addButton(c, w, "Konec", {280, 700, 150, 50}, caption("Konec", 20), kOffOn, &bg);
    addButton(c, w, "Prubeh", {594, 700, 150, 50}, caption("Prohlédnout", 17), kOffOn, &bg);
}

}  // namespace

void drawRecordWindows(Catalog& c) {
    moveList(c);
    lettersTable(c);
    results(c);
}

}  // namespace art
