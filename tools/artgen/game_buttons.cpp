// The nine buttons of the game screen's control panel, OFF, ON and Down.
#include "tools/artgen/buttons.h"
#include "tools/artgen/families.h"
#include "tools/artgen/icons.h"

namespace art {

void drawGameButtons(Catalog& c) {
    struct Button {
        const char* base;
        FaceNames names;
        Rect at;
        Content content;
    };
    const Button buttons[] = {
        {"Next", kOffOnDown, {911, 469, 45, 45}, icon(Icon::HandOver)},
        {"Change", {"Off", "On", "Down"}, {868, 469, 45, 45}, icon(Icon::Swap)},
        {"Back", kOffOnDown, {860, 512, 50, 50}, icon(Icon::StepBack)},
        {"FF", kOffOnDown, {910, 512, 50, 50}, icon(Icon::StepForward)},
        {"Kontrola", kOffOnDown, {849, 566, 60, 20}, caption("Test", 11)},
        {"Prubeh", kOffOnDown, {914, 566, 60, 20}, caption("Průběh", 11)},
        {"Tip", kOffOnDown, {859, 591, 50, 20}, caption("Tip", 11)},
        {"Pocty", kOffOnDown, {914, 591, 50, 20}, caption("Počty", 11)},
        {"Menu", kOffOnDown, {882, 616, 61, 20}, caption("Menu", 11)},
    };
    const Canvas table = c.find("Form1", "Pozadi");
    for (const Button& b : buttons)
        addButton(c, "Form1.DXMenu", b.base, b.at, b.content, b.names, &table);
}

}  // namespace art
