#include "platform/frame_timer.h"

#include <cmath>

namespace tb {

void FrameTimer::restart() {
    const uint32_t now = ticks_.GetTickCount();
    // Frames and the next-pass tick start at once; longer intervals wait theirs.
    due_ = now + (interval_ <= 1 ? 0.0 : period());
    rateStart_ = now;
    rateCount_ = 0;
}

void FrameTimer::SetInterval(int ms) {
    interval_ = ms < 0 ? 0 : ms;
    restart();
}

void FrameTimer::SetEnabled(bool on) {
    if (on && !enabled_) restart();
    enabled_ = on;
}

uint32_t FrameTimer::msUntilDue() {
    if (!enabled_) return 1000;
    const double left = due_ - ticks_.GetTickCount();
    return left <= 0 ? 0 : static_cast<uint32_t>(std::ceil(left));
}

bool FrameTimer::poll() {
    if (!enabled_ || running_) return false;
    const uint32_t now = ticks_.GetTickCount();
    if (now < due_) return false;
    due_ += period();
    // After a long stall (a modal window, a blocking animation) start afresh
    // instead of firing the missed ticks in a burst.
    if (due_ <= now) due_ = now + period();
    ++rateCount_;
    if (now - rateStart_ >= 1000) {
        const uint32_t elapsed = now - rateStart_;
        frameRate_ = static_cast<int>((rateCount_ * 1000u + elapsed / 2) / elapsed);
        rateStart_ = now;
        rateCount_ = 0;
    }
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    if (OnTimer) OnTimer();
    return true;
}

}  // namespace tb
