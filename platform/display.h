#pragma once
// The game's screen: one 1024x768 logical picture. Everything is drawn into
// the back buffer, which keeps its contents between flips (the screens often
// draw one face over the previous picture and flip); a flip shows it in the
// window, scaled to full screen with the aspect kept.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/bitmap.h"

namespace tb {

class Display {
  public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    // Full screen at the desktop's resolution, or a 1024x768 window.
    explicit Display(bool fullscreen, const std::string& title = "Tavik Borun");
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    Bitmap& surface() { return back_; }
    const Bitmap& surface() const { return back_; }
    // Shows the back buffer; a picture equal to the one on the screen is not
    // sent again (unless the window was uncovered or resized meanwhile).
    void flip();
    int flips() const { return flips_; }
    int presents() const { return presents_; }

    bool fullscreen() const;
    void setFullscreen(bool on);
    // Window pixels to the logical 1024x768 picture.
    void toLogical(int wx, int wy, int& x, int& y) const;
    void showPointer(bool on);
    bool pointerShown() const;
    std::string rendererName() const;

    // Saves the back buffer as a PNG with a fresh time-stamped name in `dir`
    // (created when missing); returns the file written.
    std::filesystem::path screenshot(const std::filesystem::path& dir) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Bitmap back_;
    int flips_ = 0;
    int presents_ = 0;
};

// The system's own message box (UTF-8), shown without the game's window,
// e.g. when the game cannot start. False when none can be shown (no display,
// or SDL's dummy driver).
bool showSystemMessage(const std::string& title, const std::string& text);

}  // namespace tb
