#pragma once
// A window of the game: a rectangle of the screen with its controls in
// z-order (later added lies on top). Mouse events go to the topmost visible,
// enabled control under the pointer, else to the window itself; a press
// captures the mouse, so the release goes to the pressed control, and it is a
// click when the pointer is still over that control.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/events.h"

namespace tb {

class Window {
  public:
    using MouseHandler = std::function<void(int x, int y)>;
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(char& key)>;

    explicit Window(std::string name, Rect bounds = {0, 0, 1024, 768});
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    std::string name;
    Rect bounds;
    // Dialogs paint their controls after every event; the game screen paints
    // itself and keeps its controls as invisible placeholders.
    bool autoPaint = true;

    // The window's own handlers (FormMouseMove ...), with window coordinates.
    MouseHandler onMouseMove, onMouseDown, onMouseUp;
    Handler onClick;
    // Sees every key first; setting it to 0 keeps it from the focused control.
    KeyHandler onKeyPress;
    std::function<void(int key)> onKeyDown;
    // The window is being shown (FormShow, FormActivate).
    Handler onShow;

    template <class T, class... Args>
    T& add(Args&&... args) {
        auto c = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *c;
        controls_.push_back(std::move(c));
        return ref;
    }
    // Bottom to top.
    std::vector<Control*> controls() const;
    Control* find(std::string_view controlName) const;
    void bringToFront(const Control& c);
    void sendToBack(const Control& c);
    // The control that takes the mouse at (x, y) of the window, or none.
    Control* controlAt(int x, int y) const;

    Control* focus() const { return focus_; }
    void setFocus(Control* c);

    void close(int result = 1);
    bool closed() const { return closed_; }
    int modalResult() const { return result_; }
    // Opens again (showModal does this).
    void reopen();

    // Delivers one event (screen coordinates).
    void dispatch(const Event& e);
    // The background picture and the controls, in z-order.
    void paint(Bitmap& dst, TextPainter& tp) const;
    // Only the edit and list boxes, which show over whatever the screen paints.
    void paintWindowed(Bitmap& dst, TextPainter& tp) const;

  private:
    size_t indexOf(const Control& c) const;
    void mouseDown(int x, int y);
    void mouseUp(int x, int y);
    void keyPress(int key);

    std::vector<std::unique_ptr<Control>> controls_;
    Control* focus_ = nullptr;
    Control* captured_ = nullptr;
    bool pressedWindow_ = false;  // the press fell on no control
    bool closed_ = false;
    int result_ = 0;
};

}  // namespace tb
