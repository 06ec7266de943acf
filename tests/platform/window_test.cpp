#include "platform/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_events.h"

namespace tb {
namespace {

// A window of three overlapping controls A < B < C that logs what reaches whom.
struct Routed {
    Window w{"Form1", {100, 50, 400, 300}};
    std::vector<std::string> log;
    Control& a = w.add<Control>("A", Rect{0, 0, 100, 100});
    Control& b = w.add<Control>("B", Rect{50, 50, 100, 100});
    Control& c = w.add<Control>("C", Rect{80, 80, 100, 100});

    Routed() {
        const auto pohyb = [this](const std::string& kdo, int x, int y) {
            log.push_back(kdo + " move " + std::to_string(x) + "," + std::to_string(y));
        };
        for (Control* k : w.controls()) {
            k->onMouseMove = [pohyb](Control& s, int x, int y) { pohyb(s.name, x, y); };
            k->onMouseDown = [this](Control& s, int, int) { log.push_back(s.name + " down"); };
            k->onMouseUp = [this](Control& s, int, int) { log.push_back(s.name + " up"); };
            k->onClick = [this](Control& s) { log.push_back(s.name + " click"); };
        }
        w.onMouseMove = [pohyb](int x, int y) { pohyb("form", x, y); };
        w.onMouseDown = [this](int, int) { log.push_back("form down"); };
        w.onMouseUp = [this](int, int) { log.push_back("form up"); };
        w.onClick = [this] { log.push_back("form click"); };
    }
    // Screen coordinates of a point of the window.
    void send(EventKind k, int x, int y, int button = 1) {
        w.dispatch(Event{k, 100 + x, 50 + y, button});
    }
};

TEST(Window, EventsGoToTheTopmostVisibleEnabledControl) {
    struct Case {
        int x, y;
        bool cVisible, cEnabled, bEnabled;
        std::string expected;
    } cases[] = {
        {90, 90, true, true, true, "C move 10,10"},
        {90, 90, false, true, true, "B move 40,40"},
        {90, 90, true, false, true, "B move 40,40"},
        {90, 90, true, false, false, "A move 90,90"},
        {10, 10, true, true, true, "A move 10,10"},
        {179, 179, true, true, true, "C move 99,99"},
        {180, 180, true, true, true, "form move 180,180"},  // right and bottom edges excluded
        {300, 20, true, true, true, "form move 300,20"},
    };
    for (const Case& k : cases) {
        Routed r;
        r.c.visible = k.cVisible;
        r.c.enabled = k.cEnabled;
        r.b.enabled = k.bEnabled;
        r.send(EventKind::MouseMove, k.x, k.y);
        EXPECT_EQ(r.log, std::vector<std::string>{k.expected}) << k.x << "," << k.y;
    }
    Routed r;
    r.w.bringToFront(r.a);
    r.w.sendToBack(r.c);
    r.send(EventKind::MouseMove, 90, 90);
    r.send(EventKind::MouseMove, 170, 170);
    EXPECT_EQ(r.log, (std::vector<std::string>{"A move 90,90", "C move 90,90"}));
}

TEST(Window, AClickIsAPressAndAReleaseOnTheSameControl) {
    struct Case {
        const char* what;
        int downX, downY, upX, upY;
        std::vector<std::string> expected;
    } cases[] = {
        {"on C", 90, 90, 95, 95, {"C down", "C click", "C up"}},
        {"off C", 90, 90, 300, 20, {"C down", "C up"}},
        {"from C onto A", 170, 170, 10, 10, {"C down", "C up"}},
        {"from the form onto A", 300, 20, 10, 10, {"form down", "form up"}},
        {"on the form", 300, 20, 310, 25, {"form down", "form click", "form up"}},
        {"right button", 90, 90, 90, 90, {}},
    };
    for (const Case& k : cases) {
        Routed r;
        const int button = std::string(k.what) == "right button" ? 3 : 1;
        r.send(EventKind::MouseDown, k.downX, k.downY, button);
        r.send(EventKind::MouseUp, k.upX, k.upY, button);
        EXPECT_EQ(r.log, k.expected) << k.what;
    }
}

}  // namespace
}  // namespace tb
