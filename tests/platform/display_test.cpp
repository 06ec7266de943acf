#include "platform/display.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "support/dummy_drivers.h"

namespace tb {
namespace {

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
