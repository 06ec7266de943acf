#pragma once
// Events queued by hand, and waiting that moves a pinned clock instead of sleeping.

#include <deque>
#include <functional>
#include <stdexcept>
#include <string_view>

#include "platform/events.h"
#include "support/fakes.h"

namespace tb::test {

class ScriptedEvents : public EventSource {
  public:
    explicit ScriptedEvents(ManualTicks* ticks = nullptr) : ticks_(ticks) {}

    bool poll(Event& e) override {
        if (queue.empty()) return false;
        e = queue.front();
        queue.pop_front();
        return true;
    }
    // When the script is used up onIdle may add more, else a loop that never ends fails.
    void wait(uint32_t ms) override {
        if (ticks_) ticks_->now += ms;
        if (!queue.empty()) return;
        if (onIdle)
            onIdle();
        else if (++idleWaits > maxIdleWaits)
            throw std::runtime_error("the event script ran out while a loop still waits");
    }

    // An animation's frames take pinned time and never reach the script.
    void pause(uint32_t ms) override {
        if (ticks_) ticks_->now += ms;
    }

    ScriptedEvents& move(int x, int y) { return push({EventKind::MouseMove, x, y}); }
    ScriptedEvents& down(int x, int y, int button = 1) {
        return push({EventKind::MouseDown, x, y, button});
    }
    ScriptedEvents& up(int x, int y, int button = 1) {
        return push({EventKind::MouseUp, x, y, button});
    }
    // Move there, press and release.
    ScriptedEvents& click(int x, int y) { return move(x, y).down(x, y).up(x, y); }
    ScriptedEvents& key(int cp1250) { return push({EventKind::KeyPress, 0, 0, 1, cp1250}); }
    ScriptedEvents& type(std::string_view cp1250) {
        for (char c : cp1250) key(static_cast<unsigned char>(c));
        return *this;
    }
    ScriptedEvents& special(int k) { return push({EventKind::KeyDown, 0, 0, 1, k}); }
    ScriptedEvents& push(Event e) {
        queue.push_back(e);
        return *this;
    }

    std::deque<Event> queue;
    std::function<void()> onIdle;
    int idleWaits = 0;
    int maxIdleWaits = 1000;

  private:
    ManualTicks* ticks_;
};

}  // namespace tb::test
