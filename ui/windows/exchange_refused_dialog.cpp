#include "ui/windows/exchange_refused_dialog.h"

#include "engine/game/error_texts.h"
#include "ui/windows/error_dialog_ui.h"

namespace tb {

void showExchangeRefused(UiContext& ctx) {
    ErrorDialog d(ctx, "TChybaVymena", 150);
    const auto texty = textyChybyVymeny();
    d.text("Label2", 54, texty[2]);
    d.text("Label1", 74, texty[1]);
    d.choice("Button1", {100, 106, 100, 34}, "Rozumím", DialogVolba::Zavreno);
    d.ask();
}

}  // namespace tb
