#include "ui/windows/game_menu_dialog.h"

#include "ui/windows/dialog_ui.h"
#include "ui/windows/meaning_dialog.h"

namespace tb {

VolbaHerniMenu showGameMenu(UiContext& ctx, const HerniMenuAkce& akce) {
    PictureDialog d(ctx, "TGMenu", {378, 209, 250, 350});
    d.background("Pozadi");
    const bool prohlizeni = ctx.s.Faze == Phase::Browse;
    VolbaHerniMenu volba = VolbaHerniMenu::Navrat;
    auto zvol = [&](VolbaHerniMenu v) {
        return [&, v] {
            ctx.HrajZvuk(1);
            volba = v;
            d.window.close();
        };
    };
    struct Radek {
        const char* jmeno;
        int y;
        const char* popis;
        bool ukaz;
        std::function<void()> klik;
    };
    const Radek radky[] = {
        {"Return", 60, "Zpět do hry", true, zvol(VolbaHerniMenu::Navrat)},
        {"Save", 120, "Uložit hru", !prohlizeni, zvol(VolbaHerniMenu::UlozitHru)},
        {"SavePr", 120, "Uložit průběh", prohlizeni, zvol(VolbaHerniMenu::UlozitPrubeh)},
        {"Nastaveni", 180, "Nastavení", true, zvol(VolbaHerniMenu::Nastaveni)},
        {"Vyklad", 240, "Výklad slova", true,
         [&] {
             ctx.HrajZvuk(1);
             showMeaningDialog(ctx);
         }},
        {"Konec", 300, "Ukončit hru", !prohlizeni, zvol(VolbaHerniMenu::Konec)},
        {"KonecPr", 300, "Ukončit prohlížení", prohlizeni, zvol(VolbaHerniMenu::Konec)},
    };
    for (const Radek& r : radky) {
        PictureButton& b = d.button(r.jmeno, {25, r.y, 200, 40}, r.popis, false, r.klik);
        b.off->visible = r.ukaz;
    }
    if (!d.run()) return VolbaHerniMenu::Navrat;
    const std::function<void()>* akceVolby[] = {&akce.navrat, &akce.ulozitHru, &akce.ulozitPrubeh,
                                                &akce.nastaveni, &akce.konec};
    if (const auto& a = *akceVolby[static_cast<int>(volba)]) a();
    return volba;
}

}  // namespace tb
