#pragma once
// The controls a window is made of. Position, size, visibility and enabled
// state are plain fields the screens set directly; the handlers are named by
// the screens after the control and the event (NextONClick,
// ImageMouseMove). Mouse positions given to a control's handlers are relative
// to the control.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/image_list.h"
#include "platform/text_painter.h"

namespace tb {

class Control {
  public:
    using MouseHandler = std::function<void(Control& sender, int x, int y)>;
    using Handler = std::function<void(Control& sender)>;
    using KeyHandler = std::function<void(Control& sender, char& key)>;

    Control(std::string name, Rect bounds);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string name;
    int left, top, width, height;
    bool visible = true;
    bool enabled = true;
    bool focused = false;  // kept by the window

    MouseHandler onMouseMove, onMouseDown, onMouseUp;
    Handler onClick;
    // Called before the control's own handling; setting the key to 0 eats it.
    KeyHandler onKeyPress;

    Rect bounds() const { return {left, top, width, height}; }
    void setBounds(Rect r);
    // A control drawn by the window system over whatever the screen paints
    // (edit and list boxes), as opposed to a picture or a text the window
    // paints only when it paints itself.
    virtual bool windowed() const { return false; }
    virtual bool focusable() const { return false; }
    // Draws the control with its top left at (x, y) of the screen.
    virtual void paint(Bitmap& /*dst*/, int /*x*/, int /*y*/, TextPainter& /*tp*/) const {}
    // Own handling of a key press or key the handlers did not eat.
    virtual void keyPress(char /*key*/) {}
    virtual void keyDown(int /*key*/) {}
    virtual void wheel(int /*notches*/) {}
    // A press on the control at (x, y) relative to it, before the handlers.
    virtual void pressed(int /*x*/, int /*y*/) {}
};

// A picture (TImage): draws its item, or stretches it over the control.
class Image : public Control {
  public:
    using Control::Control;
    const Picture* picture = nullptr;
    bool stretch = false;
    void paint(Bitmap& dst, int x, int y, TextPainter& tp) const override;
};

enum class Alignment { Left, Center, Right };

// A text (TLabel) in code page 1250.
class Label : public Control {
  public:
    using Control::Control;
    std::string caption;
    Font font;
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;     // break between words to fit the width
    std::optional<Rgb> brush;  // none: transparent
    void paint(Bitmap& dst, int x, int y, TextPainter& tp) const override;
    // The lines the caption is painted in.
    std::vector<std::string> lines(TextPainter& tp) const;
};

// A single-line edit box (TEdit): typed characters are added at the end up
// to maxLength (0: no limit); Backspace takes the last one away.
class Edit : public Control {
  public:
    using Control::Control;
    std::string text;
    int maxLength = 0;
    Font font{"Arial", 16, false, Rgb{0, 0, 0}};
    Rgb color{255, 255, 255};
    // Text changed by typing.
    Handler onChange;

    bool windowed() const override { return true; }
    bool focusable() const override { return true; }
    void keyPress(char key) override;
    void paint(Bitmap& dst, int x, int y, TextPainter& tp) const override;
};

// A list of lines (TListBox) with one chosen line; a press chooses the line
// under the pointer, the wheel and the arrow keys scroll and choose.
class ListBox : public Control {
  public:
    using Control::Control;
    std::vector<std::string> items;
    int itemIndex = -1;
    int topIndex = 0;
    int itemHeight = 18;
    Font font{"Verdana", 16, false, Rgb{255, 255, 255}};
    Rgb color{0, 0, 0};
    Rgb selectedColor{40, 70, 140};
    // With stops, a line's tab-separated columns start at these x offsets,
    // each cut short (with "…") before the next column begins.
    std::vector<int> tabStops;

    int visibleRows() const { return itemHeight > 0 ? height / itemHeight : 0; }
    // Chooses line i (clamped) and scrolls it into view.
    void select(int i);
    bool windowed() const override { return true; }
    bool focusable() const override { return true; }
    void pressed(int x, int y) override;
    void keyDown(int key) override;
    void wheel(int notches) override;
    void paint(Bitmap& dst, int x, int y, TextPainter& tp) const override;

  private:
    void scrollTo(int top);
};

}  // namespace tb
