#include "ui/windows/modal.h"

namespace tb {

ModalniRezim::ModalniRezim(UiContext& ctx, bool klik)
    : ctx_(ctx),
      kurzor_(ctx.app.display().pointerShown()),
      casovac_(ctx.app.timer().Enabled()),
      prohlizel_(ctx.s.Faze == Phase::Browse) {
    if (klik) ctx_.HrajZvuk(1);
    ctx_.app.showPointer(true);
    ctx_.app.timer().SetEnabled(false);
}

ModalniRezim::~ModalniRezim() {
    ctx_.app.showPointer(kurzor_);
    // A game that ended behind the window is viewed now, and a viewed game
    // keeps its clocks stopped. A timer that ran while viewing was a menu's
    // (saving the record, the settings): that menu runs on.
    if (casovac_ && (ctx_.s.Faze != Phase::Browse || prohlizel_)) ctx_.app.timer().SetEnabled(true);
    ctx_.poZavreniOkna();
}

int ukazModalne(UiContext& ctx, Window& w, bool klik) {
    ModalniRezim rezim(ctx, klik);
    return ctx.app.showModal(w);
}

}  // namespace tb
