#include "ui/windows/hint_dialog.h"

#include <array>
#include <vector>

#include "engine/ai/computer_player.h"
#include "ui/windows/dialog_ui.h"

namespace tb {

int showHintDialog(UiContext& ctx, const TAI& ai, const NejlepsiTahy& nejlepsi) {
    PictureDialog d(ctx, "TTipForm", {278, 238, 450, 292});
    d.background("Plocha");
    Image& karta = d.picture("Image1", {20, 44, 410, 184});
    karta.onMouseMove = [&](Control&, int, int) { d.hideLit(); };

    const Font popisFont{"Verdana", 15, true, Rgb{240, 212, 140}};
    const Font hodnotaFont{"Verdana", 16, true, Rgb{255, 255, 255}};
    const std::array<const char*, 5> popisy{"LSlovo", "LBody", "LSouradniceX", "LSouradniceY",
                                            "LSmer"};
    const std::array<const char*, 5> texty{
        "Slovo :", "Body :", "Souřadnice X :", "Souřadnice Y :", "Směr :"};
    const std::array<const char*, 5> hodnoty{"LaSlovo", "LaBody", "LaX", "LaY", "LaSmer"};
    std::array<Label*, 5> la{};
    for (int i = 0; i < 5; ++i) {
        const int top = 62 + 32 * i;
        d.label(popisy[i], {36, top, 150, 24}, popisFont).caption = cp1250(texty[i]);
        la[i] = &d.label(hodnoty[i], {206, top, 206, 24}, hodnotaFont);
    }

    // Which move of how many is shown, top left.
    Label& poradi = d.label("LPoradi", {24, 12, 150, 24}, popisFont);
    int cislo = 1;
    const std::vector<Kandidat>* tahy = nullptr;  // the master's moves on show
    auto pocet = [&] { return tahy ? static_cast<int>(tahy->size()) : ai.PocetKandidatu; };
    auto zobraz = [&] {
        for (Label* l : la) l->caption.clear();
        poradi.caption = pocet() ? std::to_string(cislo) + " / " + std::to_string(pocet()) : "";
        if (pocet() == 0) {
            la[0]->caption = cp1250("Žádný nápad");
            return;
        }
        const Kandidat& k = tahy ? (*tahy)[cislo - 1] : ai.Kandidati[cislo];
        la[0]->caption = k.Slovo;
        la[1]->caption = std::to_string(k.Body);
        la[2]->caption = std::to_string(k.X);
        la[3]->caption = std::to_string(k.Y);
        la[4]->caption = cp1250(k.Smer == 1 ? "Vodorovně" : "Svisle");
    };
    zobraz();

    int polozit = 0;
    PictureButton& zpet = d.button("Back", {24, 240, 64, 38}, "<", true, [&] {
        ctx.HrajZvuk(1);
        --cislo;
        zobraz();
    });
    zpet.usable = [&] { return cislo != 1; };
    PictureButton& dal = d.button("Next", {96, 240, 64, 38}, ">", true, [&] {
        ctx.HrajZvuk(1);
        ++cislo;
        zobraz();
    });
    dal.usable = [&] { return pocet() != 0 && cislo != pocet(); };
    // Over an unusable Back or Next nothing changes, not even the lit faces.
    for (PictureButton* b : {&zpet, &dal})
        b->off->onMouseMove = [&d, b](Control&, int, int) {
            if (b->isUsable()) d.light(*b);
        };
    PictureButton& poloz = d.button("Poloz", {186, 240, 118, 38}, "Polož", false, [&] {
        ctx.HrajZvuk(1);
        polozit = tahy ? -cislo : cislo;
        d.window.close();
    });
    poloz.usable = [&] { return pocet() != 0; };
    d.button("Zavri", {314, 240, 112, 38}, "Zavřít", false, [&] {
        ctx.HrajZvuk(1);
        d.window.close();
    });
    if (nejlepsi) {
        // One switch at a time shows: to the master's moves, or back.
        std::array<PictureButton*, 2> prepinac{};
        auto prepni = [&](bool mistr) {
            ctx.HrajZvuk(1);
            tahy = mistr ? &nejlepsi() : nullptr;
            cislo = 1;
            zobraz();
            d.hideLit();
            for (int i = 0; i < 2; ++i) prepinac[i]->off->visible = (i == 1) == mistr;
        };
        const Rect kde{306, 6, 132, 30};
        prepinac[0] = &d.button("Nejlepsi", kde, "Nejlepší tahy", false, [&] { prepni(true); });
        prepinac[1] = &d.button("Pocitac", kde, "Tipy počítače", false, [&] { prepni(false); });
        prepinac[1]->off->visible = false;
    }
    d.run();
    return polozit;
}

}  // namespace tb
