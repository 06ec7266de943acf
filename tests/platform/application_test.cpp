#include "platform/application.h"

#include <gtest/gtest.h>

#include "platform/draw.h"
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

Bitmap filled(int w, int h, Rgb c) {
    Bitmap b(w, h);
    fill(b, c);
    return b;
}

TEST(Application, AModalWindowReturnsToItsCallerAndRestoresThePictureUnderIt) {
    Fixture f;
    const Picture red("Pozadi", filled(300, 200, Rgb{200, 0, 0}));
    Window main("GameForm");
    main.autoPaint = false;
    Control& button = main.add<Control>("TestSlo", Rect{10, 10, 50, 20});
    Window dialog("TChyba1Box", {362, 284, 300, 200});
    dialog.add<Image>("Pozadi", Rect{0, 0, 300, 200}).picture = &red;
    Control& ok = dialog.add<Control>("Button1", Rect{20, 150, 80, 30});
    ok.onClick = [&](Control&) { dialog.close(7); };

    std::vector<std::string> log;
    int ticks = 0;
    f.app.timer().SetInterval(0);
    f.app.timer().SetEnabled(true);
    f.app.timer().OnTimer = [&] { ++ticks; };
    fill(f.app.surface(), Rgb{0, 90, 0});
    button.onClick = [&](Control&) {
        const int before = ticks;
        f.app.timer().SetEnabled(false);
        const int result = f.app.showModal(dialog);
        log.push_back("closed " + std::to_string(result) + " after " +
                      std::to_string(ticks - before) + " ticks");
        f.app.timer().SetEnabled(true);
    };
    dialog.onShow = [&] { log.push_back("show"); };
    // The dialog is painted over the picture while it is open.
    ok.onMouseDown = [&](Control&, int, int) {
        EXPECT_EQ(f.app.surface().rgb(400, 300), (Rgb{200, 0, 0}));
    };
    main.onMouseDown = [&](int, int) { main.close(); };

    f.events.click(20, 20);
    f.events.click(20, 20);  // under the dialog: the main window does not see it
    // The dialog stands open for a while, then its button is clicked; then
    // the main window closes.
    int idle = 0;
    f.events.onIdle = [&] {
        ++idle;
        if (idle == 10) f.events.move(400, 300).click(362 + 30, 284 + 160);
        if (idle == 20) f.events.down(900, 700);
    };
    f.app.run(main);
    EXPECT_EQ(log, (std::vector<std::string>{"show", "closed 7 after 0 ticks"}));
    EXPECT_GT(ticks, 0) << "the timer ran again after the dialog";
    EXPECT_EQ(f.app.surface().rgb(400, 300), (Rgb{0, 90, 0}));
    EXPECT_TRUE(main.closed());
}

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

TEST(Application, TheMainLoopTicksTheTimerOnPinnedTime) {
    Fixture f;
    Window main("GameForm");
    int seconds = 0;
    f.app.timer().SetInterval(1000);
    f.app.timer().SetEnabled(true);
    f.app.timer().OnTimer = [&] {
        if (++seconds == 3) main.close();
    };
    f.app.run(main);
    EXPECT_EQ(seconds, 3);
    EXPECT_GE(f.clock.now, 3000u);
    EXPECT_LT(f.clock.now, 3100u);
}

TEST(Application, EditBoxesShowOverTheGamePictureOnEveryFlip) {
    Fixture f;
    Window main("GameForm");
    main.autoPaint = false;
    Edit& name = main.add<Edit>("MJmeno1", Rect{300, 300, 120, 24});
    f.app.timer().SetInterval(0);
    f.app.timer().SetEnabled(true);
    int frames = 0;
    f.app.timer().OnTimer = [&] {
        fill(f.app.surface(), Rgb{0, 0, 0});
        f.app.flip();
        if (++frames == 3) main.close();
    };
    f.events.type("Eva");
    name.visible = true;
    f.app.run(main);
    EXPECT_EQ(name.text, "Eva");
    EXPECT_EQ(f.app.surface().rgb(305, 303), (Rgb{255, 255, 255}));
    name.visible = false;
    fill(f.app.surface(), Rgb{0, 0, 0});
    f.app.flip();
    EXPECT_EQ(f.app.surface().rgb(305, 303), Rgb{});
}

TEST(Application, TheWindowLearnsWhereThePointerIsAfterAnAnimationAndBeforeAPress) {
    Fixture f;
    Window main("GameForm");
    main.autoPaint = false;
    std::vector<std::string> log;
    main.onMouseMove = [&](int x, int y) {
        log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
    main.onMouseDown = [&](int x, int y) {
        log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    main.onShow = [&] {
        // The pointer travels while an animation drops the input.
        f.events.move(10, 10).move(50, 60);
        f.app.pumpIgnoringInput();
    };
    int idle = 0;
    f.events.onIdle = [&] {
        if (++idle == 1) f.events.down(70, 80).up(70, 80);
        if (idle == 5) main.close();
    };
    f.app.run(main);
    EXPECT_EQ(log, (std::vector<std::string>{"move 50,60", "move 70,80", "down 70,80"}));
}

}  // namespace
}  // namespace tb
