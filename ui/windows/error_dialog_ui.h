#pragma once
// The common frame of the three error dialogs: a 300-pixel-wide window
// centred on the screen, its text lines 282 wide, and buttons that play the
// click, close the window and tell which of them closed it.

#include <string>

#include "engine/game/game_ui.h"
#include "ui/windows/dialog_ui.h"

namespace tb {

class ErrorDialog : public PictureDialog {
  public:
    ErrorDialog(UiContext& ctx, std::string list, int height);

    // A centred line of text at row `top` (code page 1250).
    Label& text(std::string name, int top, const std::string& caption);
    // A button closing the dialog with `volba`.
    PictureButton& choice(std::string_view base, Rect where, std::string_view caption,
                          DialogVolba volba);
    // Shows the dialog; Zavreno when it closed without a choice (the game is
    // being quit).
    DialogVolba ask();

  private:
    DialogVolba volba_ = DialogVolba::Zavreno;
};

}  // namespace tb
