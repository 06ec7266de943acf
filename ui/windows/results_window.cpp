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

    // The final table between the tiles and the buttons: place, name, score,
    // penalty, bonus of every seat.
    const int radku = static_cast<int>(v.tabulka.size()) + 1, vrch = 488, krok = 36;
    d.label("TabulkaRam", {206, vrch - 10, 614, radku * krok + 18}, Font{}).brush =
        Rgb{150, 118, 58};
    d.label("Tabulka", {208, vrch - 8, 610, radku * krok + 14}, Font{}).brush = Rgb{10, 38, 28};
    struct Sloupec {
        Rect r;
        Alignment a;
    };
    const Sloupec sloupce[] = {{{220, 0, 50, 30}, Alignment::Right},
                               {{290, 0, 250, 30}, Alignment::Left},
                               {{540, 0, 90, 30}, Alignment::Right},
                               {{630, 0, 90, 30}, Alignment::Right},
                               {{715, 0, 90, 30}, Alignment::Right}};
    auto radek = [&](int i, const std::vector<std::string>& texty, Rgb barva, int velikost) {
        for (size_t k = 0; k < texty.size(); ++k) {
            Rect r = sloupce[k].r;
            r.y = vrch + i * krok + (i == 0 ? 6 : 0);
            const Font f = fitFont(tp, Font{"Verdana", velikost, true, barva}, texty[k], r.w);
            d.label("T" + std::to_string(i) + "_" + std::to_string(k), r, f, sloupce[k].a).caption =
                texty[k];
        }
    };
    radek(0, {"", cp1250("Hráč"), cp1250("Body"), cp1250("Srážka"), cp1250("Bonus")},
          Rgb{240, 200, 96}, 17);
    for (size_t i = 0; i < v.tabulka.size(); ++i) {
        const RadekVysledku& r = v.tabulka[i];
        radek(static_cast<int>(i) + 1,
              {std::to_string(r.poradi) + ".", r.jmeno, std::to_string(r.body),
               r.srazka ? "-" + std::to_string(r.srazka) : "0",
               r.bonus ? "+" + std::to_string(r.bonus) : "0"},
              Rgb{255, 255, 255}, 22);
    }

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
