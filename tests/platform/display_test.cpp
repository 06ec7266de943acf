#include "platform/display.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/draw.h"
#include "support/dummy_drivers.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

TEST(Display, BackBufferPersistsAcrossFlipsAndScreenshotsItExactly) {
    Display display(false);
    EXPECT_FALSE(display.fullscreen());
    Bitmap& s = display.surface();
    ASSERT_EQ(s.width(), 1024);
    ASSERT_EQ(s.height(), 768);
    fillRect(s, {100, 100, 10, 10}, Rgb{1, 2, 3});
    display.flip();
    display.flip();
    EXPECT_EQ(display.flips(), 2);
    EXPECT_EQ(display.presents(), 1) << "an unchanged picture is not sent again";
    s.set(0, 0, Rgb{4, 5, 6}.argb());
    display.flip();
    EXPECT_EQ(display.presents(), 2);
    s.set(0, 0, Rgb{}.argb());
    EXPECT_EQ(s.rgb(105, 105), (Rgb{1, 2, 3}));

    test::TempDir dir;
    const auto first = display.screenshot(dir.path() / "Screenshots");
    const auto second = display.screenshot(dir.path() / "Screenshots");
    EXPECT_NE(first, second) << "a second shot never overwrites the first";
    const Bitmap back = loadBitmap(first);
    ASSERT_EQ(back.width(), 1024);
    EXPECT_EQ(back.rgb(105, 105), (Rgb{1, 2, 3}));
    EXPECT_EQ(back.rgb(0, 0), Rgb{});
}

// Started where there is no display at all, the game says so instead of
// running unseen; a driver asked for by name is still taken as asked.
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
