#include "platform/application.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tb
