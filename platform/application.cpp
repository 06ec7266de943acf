#include "platform/application.h"

#include <algorithm>
#include <cstdio>

#include "platform/draw.h"

namespace tb {

namespace {
// Longest sleep while waiting for input, so a quit is never missed for long.
constexpr uint32_t kMaxWait = 50;
// Unchanged frames after which an idle screen is drawn at most every kMaxWait.
constexpr int kStillFrames = 30;
}  // namespace

Application::Application(Display& display, EventSource& events, Ticks& ticks)
    : display_(display), events_(events), ticks_(ticks), timer_(ticks) {}

bool Application::handleGlobal(const Event& e) {
    if (e.kind == EventKind::MouseMove || e.kind == EventKind::MouseDown ||
        e.kind == EventKind::MouseUp) {
        mouseX_ = e.x;
        mouseY_ = e.y;
    }
    if (e.kind == EventKind::Quit) {
        quit_ = true;
        return true;
    }
    if (e.kind != EventKind::KeyDown) return false;
    if (e.key == kKeyF11) {
        display_.setFullscreen(!display_.fullscreen());
        return true;
    }
    if (e.key == kKeyF12) {
        // A screenshot is a convenience: failing to write one never stops the game.
        try {
            const auto file =
                display_.screenshot(screenshotDir.empty() ? "Screenshots" : screenshotDir);
            std::fprintf(stderr, "Screenshot %s\n", file.c_str());
        } catch (const std::exception& ex) {
            std::fprintf(stderr, "%s\n", ex.what());
        }
        return true;
    }
    return false;
}

void Application::deliver(const Event& e) {
    Window* w = top();
    if (!w) return;
    w->dispatch(e);
    if (w->autoPaint && !w->closed() && w == top()) repaint(*w);
}

bool Application::processEvents() {
    bool any = false;
    Event e;
    if (movedUnseen_ && top()) {
        // The pointer moved while an animation dropped the input: the window
        // learns where it is now, so no button stays lit under a pointer
        // that has long left it.
        movedUnseen_ = false;
        deliver({EventKind::MouseMove, mouseX_, mouseY_});
    }
    while (!quit_ && events_.poll(e)) {
        any = true;
        if (handleGlobal(e)) continue;
        // A press lands where the pointer is, even when the window under it
        // has changed since the pointer last moved (a dialog closed, a
        // button's face was reset): the control under it lights first.
        if (e.kind == EventKind::MouseDown) deliver({EventKind::MouseMove, e.x, e.y});
        deliver(e);
    }
    return any;
}

bool Application::pumpIgnoringInput() {
    pass();
    Event e;
    bool preskoc = false;
    while (!quit_ && events_.poll(e)) {
        handleGlobal(e);
        if (e.kind == EventKind::MouseMove) movedUnseen_ = true;
        preskoc = preskoc || e.kind == EventKind::MouseDown ||
                  (e.kind == EventKind::KeyPress && e.key == 27);
    }
    return preskoc;
}

void Application::waitForInput(uint32_t ms) {
    events_.wait(std::min(ms, kMaxWait));
}

void Application::run(Window& main) {
    stack_.push_back(&main);
    main.reopen();
    if (main.onShow) main.onShow();
    if (main.autoPaint) repaint(main);
    int stillFrames = 0;  // frames in a row that changed nothing on the screen
    while (!quit_ && !main.closed()) {
        pass();
        const bool events = processEvents();
        const int presents = display_.presents();
        const bool ticked = timer_.poll();
        if (events || display_.presents() != presents)
            stillFrames = 0;
        else if (ticked)
            ++stillFrames;
        if (events || ticked || quit_ || main.closed()) continue;
        // A screen that has stopped changing is looked at less often; input
        // wakes the loop at once and the next frame comes at the full rate.
        waitForInput(stillFrames >= kStillFrames ? kMaxWait : timer_.msUntilDue());
    }
    stack_.pop_back();
}

int Application::showModal(Window& w) {
    const Bitmap under = surface().crop(w.bounds);
    stack_.push_back(&w);
    w.reopen();
    if (w.onShow) w.onShow();
    if (!w.closed()) repaint(w);
    while (!quit_ && !w.closed()) {
        pass();
        if (!processEvents() && !quit_ && !w.closed()) waitForInput(kMaxWait);
    }
    stack_.pop_back();
    // The window under it learns where the pointer is now.
    movedUnseen_ = true;
    copyOpaque(surface(), std::max(w.bounds.x, 0), std::max(w.bounds.y, 0), under);
    flip();
    return w.closed() ? w.modalResult() : 0;
}

void Application::flip() {
    for (Window* w : stack_) w->paintWindowed(surface(), text_);
    display_.flip();
    if (afterFlip) afterFlip();
}

void Application::repaint(Window& w) {
    w.paint(surface(), text_);
    flip();
}

}  // namespace tb
