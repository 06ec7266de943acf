// The in-game menu: five rows of 200x40 pictures, OFF and ON.
#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"

namespace art {

void drawGameMenu(Catalog& c) {
    const std::string w = "TGMenu";
    const Canvas bg = windowPicture(250, 350, "Menu hry");
    c.add(w, "Pozadi", bg, Pos{0, 0});
    struct Row {
        const char* base;
        FaceNames names;
        int y;
        const char* text;
    };
    const Row rows[] = {
        {"Return", {"Off", "ON", nullptr}, 60, "Zpět do hry"},
        {"Save", kOffOn, 120, "Uložit hru"},
        {"SavePr", kOffOn, 120, "Uložit průběh"},
        {"Nastaveni", kOffOn, 180, "Nastavení"},
        {"Vyklad", kOffOn, 240, "Výklad slova"},
        {"Konec", kOffOn, 300, "Ukončit hru"},
        {"KonecPr", kOffOn, 300, "Ukončit prohlížení"},
    };
    for (const Row& r : rows)
        addButton(c, w, r.base, {25, double(r.y), 200, 40}, caption(r.text, 17), r.names, &bg);
}

}  // namespace art
