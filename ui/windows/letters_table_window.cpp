#include "ui/windows/letters_table_window.h"

#include <array>

#include "engine/record/letter_counts.h"
#include "ui/windows/dialog_ui.h"

namespace tb {

void showLettersTable(UiContext& ctx) {
    PictureDialog d(ctx, "TPaB", {287, 234, 450, 300});
    d.background("Image1");
    std::array<Label*, kLetters + 1> popisky{};
    for (int k = 1; k <= kLetters; ++k)
        popisky[k] = &d.label("Label" + std::to_string(k),
                              {25 + 85 * ((k - 1) / 8), 45 + 30 * ((k - 1) % 8), 80, 20},
                              {"Verdana", 17, false, Rgb{255, 255, 255}});

    // Which of the three views is shown, between its buttons.
    Label& nazev = d.label("Pohled", {95, 12, 260, 20}, {"Verdana", 15, true, Rgb{240, 200, 96}},
                           Alignment::Center);
    PohledPaB pohled = PohledPaB::Zbytek;
    auto ukaz = [&] {
        const auto texty = popiskyPaB(ctx.s, pohled);
        for (int k = 1; k <= kLetters; ++k) popisky[k]->caption = texty[k];
        nazev.caption = cp1250(pohled == PohledPaB::Zbytek ? "Zbývá v pytli"
                               : pohled == PohledPaB::Body ? "Body za písmeno"
                                                           : "Celá sada kamenů");
    };
    // Only a change of view plays the click and rebuilds the labels.
    auto prepni = [&](PohledPaB novy) {
        return [&, novy] {
            if (pohled == novy) return;
            ctx.HrajZvuk(1);
            pohled = novy;
            ukaz();
        };
    };
    ukaz();
    d.button("PZbytek", {21, 12, 70, 20}, "Zbývá", true, prepni(PohledPaB::Zbytek));
    d.button("PBody", {360, 12, 70, 20}, "Body", true, prepni(PohledPaB::Body));
    d.button("PZaklad", {357, 223, 80, 40}, "Celá sada", true, prepni(PohledPaB::Zaklad));
    d.button("PZavri", {357, 268, 80, 20}, "Zavřít", false, [&] {
        ctx.HrajZvuk(1);
        d.window.close();
    });
    d.run();
}

}  // namespace tb
