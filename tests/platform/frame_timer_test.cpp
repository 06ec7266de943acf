#include "platform/frame_timer.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace tb {
namespace {

// Polls once per millisecond for `ms` milliseconds; returns the ticks fired.
int runFor(FrameTimer& t, test::ManualTicks& clock, int ms) {
    int fired = 0;
    for (int i = 0; i < ms; ++i, ++clock.now) fired += t.poll() ? 1 : 0;
    return fired;
}

TEST(FrameTimer, IntervalsGiveFramesNextPassAndSeconds) {
    struct Case {
        int interval;
        int ms;
        int ticks;
    } cases[] = {
        {0, 1000, 60},  // a frame per pass, but no more than 60 a second
        {0, 10, 1},     // the first frame comes at once
        {1000, 999, 0},  {1000, 1000, 0}, {1000, 1001, 1},
        {1000, 5001, 5}, {1, 1, 1},  // the next loop pass
        {250, 1001, 4},
    };
    for (const Case& c : cases) {
        test::ManualTicks clock;
        clock.now = 5000;
        FrameTimer t(clock);
        t.SetInterval(c.interval);
        t.SetEnabled(true);
        EXPECT_EQ(runFor(t, clock, c.ms), c.ticks) << c.interval << " over " << c.ms;
    }
}

TEST(FrameTimer, DisabledTimerIsSilentAndEnablingRestartsTheWait) {
    test::ManualTicks clock;
    FrameTimer t(clock);
    int ticks = 0;
    t.OnTimer = [&] { ++ticks; };
    t.SetInterval(1000);
    EXPECT_EQ(runFor(t, clock, 3000), 0);
    t.SetEnabled(true);
    runFor(t, clock, 1500);
    EXPECT_EQ(ticks, 1);
    t.SetEnabled(false);
    clock.now += 10000;  // a modal window stood open
    t.SetEnabled(true);
    EXPECT_EQ(runFor(t, clock, 999), 0) << "no burst of missed ticks";
    EXPECT_EQ(runFor(t, clock, 2), 1);
}

}  // namespace
}  // namespace tb
