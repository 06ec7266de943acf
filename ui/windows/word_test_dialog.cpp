#include "ui/windows/word_test_dialog.h"

#include "files/text.h"
#include "ui/windows/dialog_ui.h"

namespace tb {
void showWordTestDialog(UiContext& ctx) {
    PictureDialog d(ctx, "TTestSlova", {357, 334, 310, 100});
    d.background("Poklad");
    Edit& eTest = d.window.add<Edit>("ETest", Rect{19, 47, 144, 22});
    styleWordEdit(eTest, 9);
    Label& vysledek = d.label("Vysledek", {182, 76, 88, 18},
                              {"Verdana", 13, true, Rgb{250, 214, 110}}, Alignment::Center);
    auto kontrola = [&] {
        if (eTest.text.empty()) return;
        ctx.HrajZvuk(1);
        vysledek.caption =
            ctx.slovnik.Lookup(lowerAZ(eTest.text)) ? cp1250("Znám") : cp1250("Neznám");
        vysledek.width = 88;
    };
    PictureButton& check = d.button("Kontrola", {176, 44, 100, 28}, "Ověřit", true, kontrola);
    check.usable = [&] { return !eTest.text.empty(); };
    d.button("Cancel", {278, 8, 24, 24}, "×", false, [&] {
        ctx.HrajZvuk(1);
        d.window.close();
    });
    eTest.onKeyPress = [&](Control&, char& key) {
        if (key != '\r') return;
        key = 0;
        kontrola();
    };
    d.run();
}

}  // namespace tb
