#include "ui/windows/modal.h"

namespace tb {

ModalniRezim::ModalniRezim(UiContext& ctx, bool klik)
    : ctx_(ctx), kurzor_(ctx.app.display().pointerShown()), casovac_(ctx.app.timer().Enabled()) {
    if (klik) ctx_.HrajZvuk(1);
    ctx_.app.showPointer(true);
    ctx_.app.timer().SetEnabled(false);
}

ModalniRezim::~ModalniRezim() {
    ctx_.app.showPointer(kurzor_);
    // A viewed game keeps its clocks stopped: the viewer steps, time does not run.
    if (casovac_ && ctx_.s.Faze != Phase::Browse) ctx_.app.timer().SetEnabled(true);
    ctx_.poZavreniOkna();
}

int ukazModalne(UiContext& ctx, Window& w, bool klik) {
    ModalniRezim rezim(ctx, klik);
    return ctx.app.showModal(w);
}

}  // namespace tb
