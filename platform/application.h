#pragma once
// The one loop of the game: reads input, hands it to the window on top, ticks
// the frame timer and keeps F11 (full screen) and F12 (screenshot) working
// everywhere. Modal windows run a nested loop in which the frame timer does
// not tick. Tests drive it with scripted events and pinned ticks.

#include <filesystem>
#include <functional>
#include <vector>

#include "engine/game/random.h"
#include "platform/display.h"
#include "platform/events.h"
#include "platform/frame_timer.h"
#include "platform/text_painter.h"
#include "platform/window.h"

namespace tb {

class Application : public Ticks {
  public:
    Application(Display& display, EventSource& events, Ticks& ticks);

    Display& display() { return display_; }
    Bitmap& surface() { return display_.surface(); }
    TextPainter& text() { return text_; }
    FrameTimer& timer() { return timer_; }
    uint32_t GetTickCount() override { return ticks_.GetTickCount(); }

    // Where F12 puts its pictures (the user directory's Screenshots/).
    std::filesystem::path screenshotDir;
    // Called after every picture shown (the first-frame shot of --screenshot).
    std::function<void()> afterFlip;
    // Called on every pass of every loop, those of open windows and blocking
    // animations too: what goes on whatever is up (the music).
    std::function<void()> everyPass;

    // Runs the main window until it closes or the player quits.
    void run(Window& main);
    // Shows the window over the current picture and runs a nested loop until
    // it closes; the picture under it comes back afterwards. Returns the
    // window's result (0 when the game is being quit).
    int showModal(Window& w);
    // Handles the events waiting now; false when there were none.
    bool processEvents();
    // For animations that block: keeps the window alive (full screen, shots,
    // quitting) while the player's input is dropped. True when among it was
    // Esc or a mouse press (an animation the player may cut short).
    bool pumpIgnoringInput();
    // The rest between two frames of such an animation.
    void pause(uint32_t ms) { events_.pause(ms); }
    // Shows the back buffer, with the edit and list boxes of the open windows
    // over it.
    void flip();
    // Draws the window and flips (dialogs repaint after every event).
    void repaint(Window& w);

    bool quitting() const { return quit_; }
    void quit() { quit_ = true; }
    // The pointer's last position on the logical screen.
    int mouseX() const { return mouseX_; }
    int mouseY() const { return mouseY_; }
    void showPointer(bool on) { display_.showPointer(on); }
    Window* top() const { return stack_.empty() ? nullptr : stack_.back(); }

  private:
    // True when the event was the layer's own (quit, F11, F12).
    bool handleGlobal(const Event& e);
    // Hands an event to the window on top and repaints it if it wants.
    void deliver(const Event& e);
    void waitForInput(uint32_t ms);
    void pass() {
        if (everyPass) everyPass();
    }

    Display& display_;
    EventSource& events_;
    Ticks& ticks_;
    TextPainter text_;
    FrameTimer timer_;
    std::vector<Window*> stack_;
    bool quit_ = false;
    int mouseX_ = 0, mouseY_ = 0;
    // The window on top has not seen the pointer where it is now (moves were
    // dropped during an animation, or a dialog over it has closed).
    bool movedUnseen_ = false;
};

}  // namespace tb
