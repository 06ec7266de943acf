#pragma once
// Input as the windows see it: mouse in logical screen pixels, typed
// characters as code-page-1250 bytes, and a source that the real loop reads
// from SDL and the tests fill by hand.

#include <chrono>
#include <cstdint>
#include <thread>

namespace tb {

enum class EventKind { MouseMove, MouseDown, MouseUp, Wheel, KeyPress, KeyDown, Quit };

// Keys without a character (KeyDown); characters, Enter (13), Esc (27) and
// Backspace (8) come as KeyPress.
enum Key : int {
    kKeyF11 = 0x10000,
    kKeyF12,
    kKeyUp,
    kKeyDown,
    kKeyPageUp,
    kKeyPageDown,
    kKeyHome,
    kKeyEnd,
};

struct Event {
    EventKind kind = EventKind::MouseMove;
    int x = 0, y = 0;  // pointer
    int button = 1;    // 1 left, 2 middle, 3 right
    int key = 0;       // KeyPress: the code-page-1250 byte; KeyDown: a Key
    int wheel = 0;     // Wheel: notches away from the player (negative: towards)
};

class EventSource {
  public:
    virtual ~EventSource() = default;
    // The next waiting event, if any; never blocks.
    virtual bool poll(Event& e) = 0;
    // Blocks until an event may be waiting or `ms` have passed.
    virtual void wait(uint32_t ms) = 0;
    // Lets `ms` pass whatever comes: the rest between two frames of an
    // animation that blocks. A source with a pinned clock moves the clock.
    virtual void pause(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

}  // namespace tb
