#include "ui/windows/rule_error_dialog.h"

#include "engine/game/error_texts.h"
#include "ui/windows/error_dialog_ui.h"

namespace tb {

DialogVolba showRuleErrorBox(UiContext& ctx, const ChybaPravidla& c) {
    ErrorDialog d(ctx, "TChyba1Box", 200);
    const auto texty = textyChybyPravidla(c);
    d.text("Label1", 64, texty[1]);
    d.text("Label2", 88, texty[2]);
    d.text("Label3", 112, texty[3]);
    d.choice("Button1", {8, 156, 138, 34}, "Vrátit slovo", DialogVolba::VzitZpet);
    PictureButton& sam =
        d.choice("Button2", {154, 156, 138, 34}, "Opravím sám", DialogVolba::OpravimSam);
    // Once the time is up the word must go back: correcting it would take time.
    if (c.casVyprsel) sam.off->enabled = false;
    return d.ask();
}

}  // namespace tb
