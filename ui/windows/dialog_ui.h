#pragma once
// What the game's small windows are made of: their pictures from the image
// manifest (one list per window, named after it), picture buttons with an
// OFF, an ON and sometimes a Down face, and text labels. A picture the list
// lacks is drawn plainly instead, so a window never fails for want of art.

#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "platform/window.h"
#include "ui/windows/ui_context.h"

namespace tb {

// A picture button. The OFF face is always drawn; the ON face lies over it,
// lit while the pointer is over a usable button, and is the only face that
// takes a press or a click; the Down face shows while the button is held.
struct PictureButton {
    Image* off = nullptr;
    Image* on = nullptr;
    Image* down = nullptr;         // none: the button has no pressed face
    std::function<bool()> usable;  // none: always usable
    bool isUsable() const { return off->enabled && (!usable || usable()); }
};

class PictureDialog {
  public:
    // A borderless window at `bounds` whose pictures come from the list `list`.
    PictureDialog(UiContext& ctx, std::string list, Rect bounds);
    PictureDialog(const PictureDialog&) = delete;
    PictureDialog& operator=(const PictureDialog&) = delete;

    UiContext& ctx;
    Window window;

    // The picture over the whole window; moving over it (or over the window)
    // puts out every lit face.
    Image& background(std::string_view name);
    // A picture of the list at its place (or at `where` for a stand-in).
    Image& picture(std::string_view name, Rect where);
    // Faces base + "OFF", "ON" and, when `pressable`, "Down". Moving over the
    // OFF face lights the button (`light`); pressing the ON face shows the
    // Down face, releasing hides it; a click on the ON face runs `click`.
    // `caption` (UTF-8) names the stand-in drawn for a missing face.
    PictureButton& button(std::string_view base, Rect where, std::string_view caption,
                          bool pressable, std::function<void()> click);
    // A text (code page 1250); moving over it puts out every lit face.
    Label& label(std::string name, Rect where, Font font, Alignment a = Alignment::Left);

    // Puts out every lit face.
    void hideLit();
    // Puts out every lit face, then lights `b` if it is usable.
    void light(PictureButton& b);
    // Shows the window modally; the result given to close(), 0 when the game
    // is being quit.
    int run() { return ctx.app.showModal(window); }

  private:
    enum class Face { Off, On, Down, Panel };
    const Picture& face(std::string_view name, Rect where, std::string_view caption, Face f);
    // The picture's place from the manifest, else `where`; its size.
    Rect placeOf(std::string_view name, Rect where, const Picture& p) const;
    const Picture& standIn(std::string_view name, Rect where, std::string_view caption, Face f);

    std::string list_;
    ImageList* pictures_ = nullptr;  // none when the manifest has no such list
    std::deque<PictureButton> buttons_;
    std::deque<Picture> standIns_;
};

// The largest size up to `font.size` (not below `smallest`) at which the
// text fits `width`: long words and names must not run out of their box.
Font fitFont(TextPainter& tp, Font font, std::string_view cp1250, int width, int smallest = 9);

// The edit box of a word dialog: light text on the dark well of its picture.
void styleWordEdit(Edit& e, int maxLength);

// Code page 1250 from a UTF-8 literal.
std::string cp1250(std::string_view utf8);

}  // namespace tb
