#include "platform/application.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/draw.h"
#include "platform/frame_timer.h"
#include "support/dummy_drivers.h"
#include "support/fakes.h"
#include "support/scripted_events.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

TEST(Application, QuittingEndsEveryLoopAndF12ShotsTheBackBufferEachIntoItsOwnFile) {
    test::ManualTicks clock;
    test::ScriptedEvents events{&clock};
    Display display{false};
    Application app{display, events, clock};
    test::TempDir dir;
    app.screenshotDir = dir.path() / "Screenshots";
    Window main("GameForm");
    Window dialog("TGMenu", {378, 209, 250, 350});
    main.autoPaint = dialog.autoPaint = false;
    int result = -1;
    main.onShow = [&] {
        fillRect(app.surface(), {100, 100, 10, 10}, Rgb{1, 2, 3});
        result = app.showModal(dialog);
    };
    events.special(kKeyF12).special(kKeyF12).push(Event{EventKind::Quit});
    app.run(main);
    EXPECT_EQ(std::tuple(result, app.quitting()), std::tuple(0, true));
    const std::vector<fs::path> shots(fs::directory_iterator(app.screenshotDir), {});
    ASSERT_EQ(shots.size(), 2u) << "a second shot never overwrites the first";
    const Bitmap back = loadBitmap(shots[0]);
    EXPECT_EQ(std::tuple(back.width(), back.height(), back.rgb(105, 105), back.rgb(0, 0)),
              std::tuple(1024, 768, Rgb{1, 2, 3}, Rgb{}));
}

// An unchanged picture is not sent to the screen again; the back buffer persists.
TEST(Display, OnlyAChangedBackBufferIsSentAgainAndItPersistsAcrossFlips) {
    Display display(false);
    Bitmap& s = display.surface();
    fillRect(s, {100, 100, 10, 10}, Rgb{1, 2, 3});
    display.flip();
    display.flip();
    EXPECT_EQ(std::tuple(display.flips(), display.presents()), std::tuple(2, 1));
    s.set(0, 0, Rgb{4, 5, 6}.argb());
    display.flip();
    EXPECT_EQ(std::tuple(display.presents(), s.rgb(105, 105)), std::tuple(2, Rgb{1, 2, 3}));
}

// With no display at all the game says so instead of running unseen, unless a driver is named.
TEST(Display, NoDisplayIsAnErrorUnlessADriverIsAskedFor) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    try {
        // A machine with a console display of its own may start on that.
        Display found(false);
        EXPECT_STRNE(SDL_GetCurrentVideoDriver(), "offscreen") << "the game runs unseen";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("No display"), std::string::npos) << e.what();
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    Display offscreen(false);
    offscreen.flip();
    EXPECT_EQ(offscreen.flips(), 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

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
