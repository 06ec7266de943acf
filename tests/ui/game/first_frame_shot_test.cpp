#include "app/first_frame_shot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "platform/draw.h"
#include "support/dummy_drivers.h"
#include "support/fakes.h"
#include "support/scripted_events.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

// The first picture shown is saved as it was shown, the game is told to end,
// and the pictures drawn while it winds down leave the saved one alone.
TEST(FirstFrameShot, SavesTheFirstPictureOnlyAndEndsTheGame) {
    test::ManualTicks ticks;
    test::ScriptedEvents events(&ticks);
    Display display(false);
    Application app(display, events, ticks);
    test::TempDir dir;
    const auto file = dir.path() / "first.png";
    std::ostringstream report;
    app.afterFlip = firstFrameShot(app, file, report);

    fillRect(app.surface(), {10, 20, 5, 5}, Rgb{200, 100, 50});
    app.flip();
    EXPECT_TRUE(app.quitting());
    EXPECT_EQ(loadBitmap(file).rgb(12, 22), (Rgb{200, 100, 50}));

    // "first frame <ms> ms after start (processor <ms> ms): <file>"
    std::istringstream words(report.str());
    std::string first, frame, unit, after, start, processor;
    long ms = -1, cpu = -1;
    words >> first >> frame >> ms >> unit >> after >> start >> processor >> cpu;
    EXPECT_EQ(first + " " + frame, "first frame") << report.str();
    EXPECT_GE(ms, 0) << report.str();
    EXPECT_LT(ms, 3'600'000) << report.str();
    EXPECT_GE(cpu, 0) << report.str();

    std::filesystem::remove(file);
    app.flip();
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace tb
