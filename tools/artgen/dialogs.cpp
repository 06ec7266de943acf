// The small windows over the board: word test, word meaning, the three error
// dialogs and the hint.
#include <tuple>
#include <utility>
#include <vector>

#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/icons.h"

namespace art {

namespace {

constexpr FaceNames kDialogFaces{"OFF", "ON", nullptr};

// The word test and the meaning dialog share a layout: a title, the edit box
// with its button beside it, a close button in the corner, and room below for
// the answer.
struct AskDialog {
    const char* window;
    const char* background;
    const char* title;
    int w, h;
    const char* edit;
    const char* button;
    const char* buttonText;
    const char* close;
};

Canvas askDialog(Catalog& c, const AskDialog& d) {
    Canvas bg = windowPicture(d.w, d.h, d.title);
    displayWell(bg.cr(), {16, 45, 150, 26}, 4);
    c.place(d.window, d.edit, {19, 47, 144, 22});
    return bg;
}

void addAskButtons(Catalog& c, const AskDialog& d, const Canvas& bg) {
    addButton(c, d.window, d.button, {176, 44, 100, 28}, caption(d.buttonText, 14), kOffOnDown,
              &bg);
    addButton(c, d.window, d.close, {d.w - 32.0, 8, 24, 24}, icon(Icon::Close), kDialogFaces, &bg);
}

void wordTest(Catalog& c) {
    const AskDialog d{"TTestSlova", "Poklad",   "Test slova", 310,     100,
                      "ETest",      "Kontrola", "Ověřit",     "Cancel"};
    Canvas bg = askDialog(c, d);
    drawText(bg.cr(), "Výsledek:", {16, 74, 150, 22}, {sans(13), pal::kCream, Align::Right});
    displayWell(bg.cr(), {176, 75, 100, 20}, 4);
    c.add(d.window, d.background, bg, Pos{0, 0});
    c.place(d.window, "Vysledek", {182, 76, 88, 18});
    addAskButtons(c, d, bg);
}

void wordMeaning(Catalog& c) {
    const AskDialog d{"TVyznam", "Pozadi", "Výklad slova", 350,   150,
                      "Edit1",   "OK",     "Hledej",       "Exit"};
    Canvas bg = askDialog(c, d);
    displayWell(bg.cr(), {10, 80, 330, 62}, 5);
    c.add(d.window, d.background, bg, Pos{0, 0});
    c.place(d.window, "Label1", {15, 84, 320, 54});
    addAskButtons(c, d, bg);
}

// Labels of the error dialogs are 282 wide from x = 9; the buttons sit below them.
void errorDialog(Catalog& c, const std::string& w, const std::string& title, int height,
                 const std::vector<std::tuple<std::string, std::string, double>>& buttons) {
    Canvas bg = windowPicture(300, height, title);
    displayWell(bg.cr(), {6, 48, 288, double(height) - 100}, 6);
    c.add(w, "Pozadi", bg, Pos{0, 0});
    // The buttons share the width, each in proportion to its weight.
    double weights = 0;
    for (const auto& b : buttons) weights += std::get<2>(b);
    const double room = buttons.size() == 1 ? 100 : 284.0 - 8 * (buttons.size() - 1);
    double x = buttons.size() == 1 ? 100 : 8;
    for (const auto& [name, text, weight] : buttons) {
        const double bw = room * weight / weights;
        addButton(c, w, name, {x, height - 44.0, bw, 34}, caption(text, 13), kDialogFaces, &bg);
        x += bw + 8;
    }
}

void hint(Catalog& c) {
    const std::string w = "TTipForm";
    Canvas bg = windowPicture(450, 292, "Nápověda");
    c.add(w, "Plocha", bg, Pos{0, 0});
    // The candidate's card: captions on the left, values on the right.
    Canvas card(410, 184);
    insetPanel(card.cr(), card.bounds(), 8);
    const char* captions[] = {"LSlovo", "LBody", "LSouradniceX", "LSouradniceY", "LSmer"};
    const char* values[] = {"LaSlovo", "LaBody", "LaX", "LaY", "LaSmer"};
    for (int i = 0; i < 5; ++i) {
        displayWell(card.cr(), {178, 14.0 + 32 * i, 218, 26}, 4);
        c.place(w, captions[i], {36, 60.0 + 32 * i, 150, 24});
        c.place(w, values[i], {202, 60.0 + 32 * i, 214, 24});
    }
    c.add(w, "Image1", card, Pos{20, 44}, true);
    Canvas under = cropOf(bg, bg.bounds());
    cairo_set_source_surface(under.cr(), card.surface(), 20, 44);
    cairo_paint(under.cr());
    addButton(c, w, "Back", {24, 240, 64, 38}, icon(Icon::StepBack), kOffOnDown, &under);
    addButton(c, w, "Next", {96, 240, 64, 38}, icon(Icon::StepForward), kOffOnDown, &under);
    addButton(c, w, "Poloz", {186, 240, 118, 38}, caption("Polož", 16), kDialogFaces, &under);
    addButton(c, w, "Zavri", {314, 240, 112, 38}, caption("Zavřít", 16), kDialogFaces, &under);
    // The switch between the computer player's hints and the master's moves.
    addButton(c, w, "Nejlepsi", {306, 6, 132, 30}, caption("Nejlepší tahy", 13), kDialogFaces,
              &under);
    addButton(c, w, "Pocitac", {306, 6, 132, 30}, caption("Tipy počítače", 13), kDialogFaces,
              &under);
}

}  // namespace

void drawGameDialogs(Catalog& c) {
    wordTest(c);
    wordMeaning(c);
    errorDialog(c, "TChyba1Box", "Chyba v tahu", 200,
                {{"Button1", "Vrátit slovo", 1}, {"Button2", "Opravím sám", 1}});
    for (const auto& [label, top] : {std::pair{"Label1", 64}, {"Label2", 88}, {"Label3", 112}})
        c.place("TChyba1Box", label, {9, double(top), 282, 20});
    errorDialog(
        c, "TChybaSlova", "Neznámé slovo", 200,
        {{"Button1", "Vrátit", 2}, {"Button3", "Přidat", 2}, {"Button2", "Opravím sám", 3}});
    c.place("TChybaSlova", "Label1", {9, 64, 282, 20});
    c.place("TChybaSlova", "Label2", {9, 96, 282, 20});
    errorDialog(c, "TChybaVymena", "Nelze provést", 150, {{"Button1", "Rozumím", 1}});
    c.place("TChybaVymena", "Label2", {9, 54, 282, 20});
    c.place("TChybaVymena", "Label1", {9, 74, 282, 20});
    hint(c);
}

}  // namespace art
