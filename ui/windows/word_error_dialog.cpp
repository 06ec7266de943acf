#include "ui/windows/word_error_dialog.h"

#include "engine/game/error_texts.h"
#include "ui/windows/error_dialog_ui.h"

namespace tb {

DialogVolba showWordErrorDialog(UiContext& ctx, const ChybaSlova& c) {
    ErrorDialog d(ctx, "TChybaSlova", 200);
    const auto texty = textyChybySlova(c);
    d.text("Label1", 64, texty[1]);
    d.text("Label2", 96, texty[2]);
    d.choice("Button1", {8, 156, 76, 34}, "Vrátit", DialogVolba::VzitZpet);
    d.choice("Button3", {92, 156, 76, 34}, "Přidat", DialogVolba::PridatSlovo);
    PictureButton& sam =
        d.choice("Button2", {177, 156, 114, 34}, "Opravím sám", DialogVolba::OpravimSam);
    if (c.casVyprsel) sam.off->enabled = false;
    return d.ask();
}

}  // namespace tb
