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
        for (Control* k : w.controls()) {
            k->onMouseMove = [this](Control& s, int x, int y) {
                log.push_back(s.name + " move " + std::to_string(x) + "," + std::to_string(y));
            };
            k->onMouseDown = [this](Control& s, int, int) { log.push_back(s.name + " down"); };
            k->onMouseUp = [this](Control& s, int, int) { log.push_back(s.name + " up"); };
            k->onClick = [this](Control& s) { log.push_back(s.name + " click"); };
        }
        w.onMouseMove = [this](int x, int y) {
            log.push_back("form move " + std::to_string(x) + "," + std::to_string(y));
        };
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
        ASSERT_EQ(r.log.size(), 1u);
        EXPECT_EQ(r.log[0], k.expected) << k.x << "," << k.y;
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

TEST(Window, APressedControlKeepsTheMouseUntilTheRelease) {
    Routed r;
    // The press swaps the lit face for the pressed one, hiding the control.
    r.c.onMouseDown = [&](Control& s, int, int) {
        s.visible = false;
        r.log.push_back("C down");
    };
    r.send(EventKind::MouseDown, 90, 90);
    r.send(EventKind::MouseMove, 10, 10);
    r.send(EventKind::MouseMove, 95, 95);
    r.send(EventKind::MouseUp, 95, 95);
    r.send(EventKind::MouseMove, 95, 95);
    EXPECT_EQ(r.log, (std::vector<std::string>{"C down", "C move -70,-70", "C move 15,15",
                                               "C click", "C up", "B move 45,45"}));
}

TEST(Window, EditBoxTakesCodePageTextUpToItsLimit) {
    Window w("TTestSlova", {357, 334, 310, 100});
    Edit& a = w.add<Edit>("ETest", Rect{10, 10, 100, 24});
    Edit& b = w.add<Edit>("Edit2", Rect{10, 40, 100, 24});
    a.maxLength = 4;
    int changes = 0;
    std::string entered;
    a.onChange = [&](Control&) { ++changes; };
    a.onKeyPress = [&](Control&, char& k) {
        if (k == 13) entered = a.text;
    };
    w.reopen();
    EXPECT_EQ(w.focus(), &a) << "the first edit box takes the typing";
    auto press = [&](int k) { w.dispatch(Event{EventKind::KeyPress, 0, 0, 1, k}); };
    // "žába" in code page 1250, then one too many, a control key and Backspace.
    for (int k : {0x9E, 0xE1, int{'b'}, int{'a'}, int{'x'}, 13, 9, 8, int{'y'}}) press(k);
    EXPECT_EQ(a.text,
              "\x9E\xE1"
              "by");
    EXPECT_EQ(entered,
              "\x9E\xE1"
              "ba");
    EXPECT_EQ(changes, 6);
    // The window sees keys first and may eat them (Esc here).
    w.onKeyPress = [](char& k) {
        if (k == 27) k = 0;
    };
    press(27);
    EXPECT_EQ(a.text,
              "\x9E\xE1"
              "by");
    // A press on the other box moves the typing there.
    w.dispatch(Event{EventKind::MouseDown, 357 + 20, 334 + 50});
    w.dispatch(Event{EventKind::MouseUp, 357 + 20, 334 + 50});
    press('q');
    EXPECT_EQ(b.text, "q");
    EXPECT_TRUE(b.focused);
    EXPECT_FALSE(a.focused);
}

TEST(Window, ListBoxChoosesAndScrollsWithinItsItems) {
    Window w("TZapis", {262, 184, 500, 400});
    ListBox& list = w.add<ListBox>("Tabule", Rect{21, 51, 458, 90});  // five rows of 18
    for (int i = 0; i < 12; ++i) list.items.push_back("tah " + std::to_string(i + 1));
    int clicks = 0;
    list.onClick = [&](Control&) { ++clicks; };
    auto at = [&](EventKind k, int row) {
        w.dispatch(Event{k, 262 + 21 + 5, 184 + 51 + row * 18 + 3});
    };
    at(EventKind::MouseDown, 2);
    at(EventKind::MouseUp, 2);
    EXPECT_EQ(list.itemIndex, 2);
    EXPECT_EQ(clicks, 1);
    struct Step {
        int key;
        int index, top;
    } steps[] = {{kKeyDown, 3, 0}, {kKeyDown, 4, 0},  {kKeyDown, 5, 1},
                 {kKeyEnd, 11, 7}, {kKeyDown, 11, 7}, {kKeyPageUp, 7, 7},
                 {kKeyHome, 0, 0}, {kKeyUp, 0, 0},    {kKeyPageDown, 4, 0}};
    for (const Step& s : steps) {
        w.dispatch(Event{EventKind::KeyDown, 0, 0, 1, s.key});
        EXPECT_EQ(list.itemIndex, s.index) << s.key;
        EXPECT_EQ(list.topIndex, s.top) << s.key;
    }
    w.dispatch(Event{EventKind::Wheel, 300, 250, 1, 0, -10});
    EXPECT_EQ(list.topIndex, 7) << "scrolling stops at the last page";
    at(EventKind::MouseDown, 4);
    EXPECT_EQ(list.itemIndex, 11);
    list.items.resize(3);
    list.topIndex = 0;
    at(EventKind::MouseDown, 4);
    EXPECT_EQ(list.itemIndex, 11) << "a press below the last line chooses nothing";
}

}  // namespace
}  // namespace tb
