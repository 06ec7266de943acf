#include "ui/windows/results_window.h"

#include "ui/windows/dialog_ui.h"

namespace tb {

bool showResultsScreen(UiContext& ctx, const Vysledek& v) {
    PictureDialog d(ctx, "TKonecForm", {0, 0, 1024, 768});
    d.background("Pozadi");
    auto obrazek = [&](const char* name, Rect r, bool ukaz) { d.picture(name, r).visible = ukaz; };
    obrazek("Win", {290, 25, 450, 120}, v.obrazek == VysledekObrazek::Win);
    obrazek("Lost", {280, 25, 480, 115}, v.obrazek == VysledekObrazek::Lost);
    obrazek("Remiza", {350, 25, 350, 100}, v.obrazek == VysledekObrazek::Remiza);
    obrazek("WinPL", {215, 25, 600, 115}, v.obrazek == VysledekObrazek::WinPL);
    for (int p = 1; p <= 4; ++p)
        obrazek(("WPL" + std::to_string(p)).c_str(), {505, 30, 115, 95},
                v.obrazek == VysledekObrazek::WinPL && v.wpl == p);

    TextPainter& tp = ctx.app.text();
    const Font vitezFont{"Verdana", 40, true, Rgb{255, 255, 255}};
    const Font delkaFont{"Verdana", 33, true, Rgb{255, 255, 255}};
    d.label("Label1", {208, 160, 610, 60}, fitFont(tp, vitezFont, v.radekVitez, 610),
            Alignment::Center)
        .caption = v.radekVitez;
    d.label("Label2", {208, 240, 600, 48}, fitFont(tp, delkaFont, v.radekDelka, 600),
            Alignment::Center)
        .caption = v.radekDelka;

    bool prohlizet = false;
    d.button("Konec", {280, 700, 150, 50}, "Konec", false, [&] { d.window.close(); });
    d.button("Prubeh", {594, 700, 150, 50}, "Prohlédnout", false, [&] {
        prohlizet = true;
        d.window.close();
    });
    d.run();
    return prohlizet;
}

}  // namespace tb
