#include "platform/application.h"

#include <gtest/gtest.h>

#include "support/dummy_drivers.h"
#include "support/scripted_events.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

struct Fixture {
    test::ManualTicks clock;
    test::ScriptedEvents events{&clock};
    Display display{false};
    Application app{display, events, clock};
};

TEST(Application, QuittingEndsEveryLoopAndF12WritesAScreenshot) {
    Fixture f;
    test::TempDir dir;
    f.app.screenshotDir = dir.path() / "Screenshots";
    Window main("GameForm");
    Window dialog("TGMenu", {378, 209, 250, 350});
    int result = -1;
    main.onShow = [&] { result = f.app.showModal(dialog); };
    f.events.special(kKeyF12).push(Event{EventKind::Quit});
    f.app.run(main);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(f.app.quitting());
    EXPECT_EQ(std::distance(fs::directory_iterator(f.app.screenshotDir), fs::directory_iterator()),
              1);
}

}  // namespace
}  // namespace tb
