#pragma once
// The game screen's frame timer (DXTimer1). Interval 0 gives a frame on every
// loop pass, at most 60 a second; any other interval fires once per that
// many milliseconds (1: at the next loop pass, 1000: once a second). The
// loop polls it; it never fires inside its own handler.

#include <cstdint>
#include <functional>

#include "engine/game/random.h"

namespace tb {

class FrameTimer {
  public:
    explicit FrameTimer(Ticks& ticks) : ticks_(ticks) {}

    std::function<void()> OnTimer;

    int Interval() const { return interval_; }
    // Restarts the wait, as a new interval does.
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    // Ticks in the last measured second.
    int FrameRate() const { return frameRate_; }

    // Runs OnTimer when it is due; true when it ran.
    bool poll();
    // Milliseconds until the next tick is due (0: now); large when disabled.
    uint32_t msUntilDue();

  private:
    double period() const { return interval_ == 0 ? 1000.0 / 60 : interval_; }
    void restart();

    Ticks& ticks_;
    int interval_ = 1000;
    bool enabled_ = false;
    bool running_ = false;
    double due_ = 0;
    uint32_t rateStart_ = 0;
    int rateCount_ = 0;
    int frameRate_ = 0;
};

}  // namespace tb
