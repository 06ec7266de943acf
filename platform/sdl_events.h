#pragma once
// The real input: SDL's event queue, with typed text converted to code page
// 1250, one KeyPress per character.

#include <deque>

#include "engine/game/random.h"
#include "platform/events.h"

namespace tb {

class SdlEventSource : public EventSource {
  public:
    SdlEventSource();
    bool poll(Event& e) override;
    void wait(uint32_t ms) override;

  private:
    std::deque<Event> pending_;
    int lastX_ = 0, lastY_ = 0;
};

// The system's millisecond tick count.
class SdlTicks : public Ticks {
  public:
    uint32_t GetTickCount() override;
};

}  // namespace tb
