#include "ai/hint_dialog.h"

#include <array>

#include "ai/computer_player.h"
#include "core/dialog_ui.h"

namespace tb {

int showHintDialog(UiContext& ctx, const TAI& ai) {
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

    int cislo = 1;
    auto zobraz = [&] {
        const Kandidat& k = ai.Kandidati[cislo];
        la[0]->caption = k.Slovo;
        la[1]->caption = std::to_string(k.Body);
        la[2]->caption = std::to_string(k.X);
        la[3]->caption = std::to_string(k.Y);
        la[4]->caption = cp1250(k.Smer == 1 ? "Vodorovně" : "Svisle");
    };
    if (ai.PocetKandidatu > 0)
        zobraz();
    else
        la[0]->caption = cp1250("Žádný nápad");

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
    dal.usable = [&] { return ai.PocetKandidatu != 0 && cislo != ai.PocetKandidatu; };
    // Over an unusable Back or Next nothing changes, not even the lit faces.
    for (PictureButton* b : {&zpet, &dal})
        b->off->onMouseMove = [&d, b](Control&, int, int) {
            if (b->isUsable()) d.light(*b);
        };
    PictureButton& poloz = d.button("Poloz", {186, 240, 118, 38}, "Polož", false, [&] {
        ctx.HrajZvuk(1);
        polozit = cislo;
        d.window.close();
    });
    poloz.usable = [&] { return ai.PocetKandidatu != 0; };
    d.button("Zavri", {314, 240, 112, 38}, "Zavřít", false, [&] {
        ctx.HrajZvuk(1);
        d.window.close();
    });
    d.run();
    return polozit;
}

}  // namespace tb
