#include "platform/application.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/draw.h"
#include "support/dummy_drivers.h"
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
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(app.quitting());
    const std::vector<fs::path> shots(fs::directory_iterator(app.screenshotDir), {});
    ASSERT_EQ(shots.size(), 2u) << "a second shot never overwrites the first";
    const Bitmap back = loadBitmap(shots[0]);
    ASSERT_EQ(back.width(), 1024);
    ASSERT_EQ(back.height(), 768);
    EXPECT_EQ(back.rgb(105, 105), (Rgb{1, 2, 3}));
    EXPECT_EQ(back.rgb(0, 0), Rgb{});
}

// An unchanged picture is not sent to the screen again; the back buffer persists.
TEST(Display, OnlyAChangedBackBufferIsSentAgainAndItPersistsAcrossFlips) {
    Display display(false);
    Bitmap& s = display.surface();
    fillRect(s, {100, 100, 10, 10}, Rgb{1, 2, 3});
    display.flip();
    display.flip();
    EXPECT_EQ(display.flips(), 2);
    EXPECT_EQ(display.presents(), 1) << "an unchanged picture is not sent again";
    s.set(0, 0, Rgb{4, 5, 6}.argb());
    display.flip();
    EXPECT_EQ(display.presents(), 2);
    EXPECT_EQ(s.rgb(105, 105), (Rgb{1, 2, 3}));
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

}  // namespace
}  // namespace tb
