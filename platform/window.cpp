#include "platform/window.h"

#include <algorithm>
#include <stdexcept>

namespace tb {

Window::Window(std::string n, Rect b) : name(std::move(n)), bounds(b) {}

std::vector<Control*> Window::controls() const {
    std::vector<Control*> out;
    out.reserve(controls_.size());
    for (const auto& c : controls_) out.push_back(c.get());
    return out;
}

Control* Window::find(std::string_view controlName) const {
    for (const auto& c : controls_)
        if (c->name == controlName) return c.get();
    return nullptr;
}

size_t Window::indexOf(const Control& c) const {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].get() == &c) return i;
    throw std::invalid_argument("Control " + c.name + " is not in window " + name);
}

void Window::bringToFront(const Control& c) {
    const auto i = static_cast<std::ptrdiff_t>(indexOf(c));
    std::rotate(controls_.begin() + i, controls_.begin() + i + 1, controls_.end());
}

void Window::sendToBack(const Control& c) {
    const auto i = static_cast<std::ptrdiff_t>(indexOf(c));
    std::rotate(controls_.begin(), controls_.begin() + i, controls_.begin() + i + 1);
}

Control* Window::controlAt(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control& c = **it;
        if (c.visible && c.enabled && c.bounds().contains(x, y)) return &c;
    }
    return nullptr;
}

void Window::setFocus(Control* c) {
    if (focus_) focus_->focused = false;
    focus_ = c;
    if (focus_) focus_->focused = true;
}

void Window::close(int result) {
    closed_ = true;
    result_ = result;
}

void Window::reopen() {
    closed_ = false;
    result_ = 0;
    captured_ = nullptr;
    pressedWindow_ = false;
    // The first box that takes typing gets it, as a shown form focuses its
    // first control.
    if (!focus_ || !focus_->visible || !focus_->enabled) {
        setFocus(nullptr);
        for (const auto& c : controls_)
            if (c->focusable() && c->visible && c->enabled) {
                setFocus(c.get());
                break;
            }
    }
}

void Window::dispatch(const Event& e) {
    const int x = e.x - bounds.x, y = e.y - bounds.y;
    switch (e.kind) {
        case EventKind::MouseMove:
            if (Control* c = captured_ ? captured_ : controlAt(x, y)) {
                if (c->onMouseMove) c->onMouseMove(*c, x - c->left, y - c->top);
            } else if (onMouseMove) {
                onMouseMove(x, y);
            }
            break;
        case EventKind::MouseDown:
            if (e.button == 1) mouseDown(x, y);
            break;
        case EventKind::MouseUp:
            if (e.button == 1) mouseUp(x, y);
            break;
        case EventKind::Wheel:
            if (Control* c = controlAt(x, y)) c->wheel(e.wheel);
            break;
        case EventKind::KeyPress:
            keyPress(e.key);
            break;
        case EventKind::KeyDown:
            if (onKeyDown) onKeyDown(e.key);
            if (focus_ && focus_->visible && focus_->enabled) focus_->keyDown(e.key);
            break;
        case EventKind::Quit:
            break;
    }
}

void Window::mouseDown(int x, int y) {
    Control* c = controlAt(x, y);
    captured_ = c;
    pressedWindow_ = c == nullptr;
    if (!c) {
        if (onMouseDown) onMouseDown(x, y);
        return;
    }
    if (c->focusable()) setFocus(c);
    c->pressed(x - c->left, y - c->top);
    if (c->onMouseDown) c->onMouseDown(*c, x - c->left, y - c->top);
}

void Window::mouseUp(int x, int y) {
    Control* c = captured_;
    const bool onWindow = pressedWindow_;
    captured_ = nullptr;
    pressedWindow_ = false;
    if (c) {
        // The click comes before the release, and it counts even when the
        // press hid the control (a lit face swapped for its pressed face).
        if (c->bounds().contains(x, y) && c->onClick) c->onClick(*c);
        if (c->onMouseUp) c->onMouseUp(*c, x - c->left, y - c->top);
        return;
    }
    if (onWindow && !controlAt(x, y) && onClick) onClick();
    if (onMouseUp) onMouseUp(x, y);
}

void Window::keyPress(int key) {
    char k = static_cast<char>(key);
    if (onKeyPress) onKeyPress(k);
    if (k == 0 || !focus_ || !focus_->visible || !focus_->enabled) return;
    if (focus_->onKeyPress) focus_->onKeyPress(*focus_, k);
    if (k != 0) focus_->keyPress(k);
}

void Window::paint(Bitmap& dst, TextPainter& tp) const {
    for (const auto& c : controls_)
        if (c->visible) c->paint(dst, bounds.x + c->left, bounds.y + c->top, tp);
}

void Window::paintWindowed(Bitmap& dst, TextPainter& tp) const {
    for (const auto& c : controls_)
        if (c->visible && c->windowed()) c->paint(dst, bounds.x + c->left, bounds.y + c->top, tp);
}

}  // namespace tb
