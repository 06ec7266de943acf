#pragma once
// How the game opens its windows: the system pointer is shown and the frame
// timer stopped while the window is open, so the clocks stand still; then the
// pointer goes back as it was and the timer runs again, except while a
// finished game or a stored record is being viewed.

#include "platform/window.h"
#include "ui/windows/ui_context.h"

namespace tb {

// Shows `w` modally and returns its result. `klik` plays sound effect 1
// first, as every button that opens a window does.
int ukazModalne(UiContext& ctx, Window& w, bool klik = false);

// The same around any other nested loop (a window that runs its own).
class ModalniRezim {
  public:
    ModalniRezim(UiContext& ctx, bool klik = false);
    ~ModalniRezim();
    ModalniRezim(const ModalniRezim&) = delete;
    ModalniRezim& operator=(const ModalniRezim&) = delete;

  private:
    UiContext& ctx_;
    bool kurzor_;
    bool casovac_;
    bool prohlizel_;
};

}  // namespace tb
