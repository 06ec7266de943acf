// tb-platformdemo [--window] [--root DIR] [--shot FILE]
// The game screen's board and a rack of tiles, the Next button lighting and
// pressing under the game's own pointer, and a click that opens the word
// error dialog with its buttons; with the effects and the music. --shot
// plays that through by itself and saves the picture with the dialog open.

#include <cstdio>
#include <deque>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "engine/game/tiles.h"
#include "files/text.h"
#include "platform/application.h"
#include "platform/image_list.h"
#include "platform/mixer_backend.h"
#include "platform/sdl_events.h"
#include "platform/sound.h"

namespace tb {
namespace {

// Real input after an optional script of events and actions.
class DemoEvents : public SdlEventSource {
  public:
    std::deque<std::function<std::optional<Event>()>> script;
    bool poll(Event& e) override {
        while (!script.empty()) {
            auto step = std::move(script.front());
            script.pop_front();
            if (auto ev = step()) {
                e = *ev;
                return true;
            }
        }
        return SdlEventSource::poll(e);
    }
};

int run(int argc, char** argv) {
    bool window = false;
    std::optional<std::string> shot;
    fs::path root = findInstallRoot(argv[0], std::nullopt);
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--window") window = true;
        if (a == "--root" && i + 1 < argc) root = argv[++i];
        if (a == "--shot" && i + 1 < argc) shot = argv[++i], window = true;
    }
    const FileRoot install(root);
    Display display(!window);
    DemoEvents events;
    SdlTicks ticks;
    Application app(display, events, ticks);
    MixerBackend mixer;
    bool zvukyZap = true;
    Sound sound(mixer, install, zvukyZap, std::cerr);
    sound.start(countMusicTracks(install), 200);
    sound.PlayPisen();

    ImageList form{install}, cursor{install}, buttons{install}, letters{install}, dlg{install};
    for (const char* n : {"Pozadi", "HraciPlocha", "Panel1"})
        form.load(std::string("images/Form1/") + n + ".png");
    cursor.load("images/DXImageList1/Mys.png", "Mys", true);
    cursor.load("images/DXImageList1/MysStin.png", "MysStin", true);
    for (const char* n : {"NextOFF", "NextON", "NextDown"})
        buttons.load(std::string("images/Form1.DXMenu/") + n + ".png");
    for (int k = 1; k <= 38; ++k) letters.load(letterImagePath(k));
    for (const char* n : {"Pozadi", "Button1OFF", "Button1ON", "Button3OFF", "Button3ON",
                          "Button2OFF", "Button2ON"})
        dlg.load(std::string("images/TChybaSlova/") + n + ".png");

    // The word on the board and a rack, as tile letters.
    const std::string word = utf8ToCp1250("žába"), rack = utf8ToCp1250("tavikřů");
    auto paint = [&](int mx, int my, const Picture* face) {
        Bitmap& s = app.surface();
        form[0].draw(s, 0, 0);
        form[1].draw(s, 129, 98);
        form[2].draw(s, 235, 707);
        for (size_t i = 0; i < word.size(); ++i)
            letters[letterCodeOf(word[i]) - 1].draw(
                s, 129 + static_cast<int>((6 + i) * 37.714285 + 6.5), 98 + 269);
        for (size_t i = 0; i < rack.size(); ++i)
            letters[letterCodeOf(rack[i]) - 1].draw(s, 235 - 24 + 47 * static_cast<int>(i + 1),
                                                    720);
        if (face) face->draw(s, 911, 469);
        cursor[1].drawAlpha(s, {mx - 2, my - 2, 30, 30}, 60);
        cursor[0].draw(s, mx, my);
        app.flip();
    };

    Window main("GameForm");
    main.autoPaint = false;
    Control& next = main.add<Control>("NextON", Rect{911, 469, 45, 45});
    const Picture* lit = nullptr;
    main.onMouseMove = [&](int x, int y) { paint(x, y, lit = nullptr); };
    next.onMouseMove = [&](Control&, int x, int y) { paint(911 + x, 469 + y, lit = &buttons[1]); };
    next.onMouseDown = [&](Control&, int x, int y) { paint(911 + x, 469 + y, &buttons[2]); };

    Window dialog("TChybaSlova", {362, 284, 300, 200});
    dialog.add<Image>("Pozadi", Rect{0, 0, 300, 200}).picture = &dlg[0];
    const int lefts[3] = {8, 92, 177}, widths[3] = {76, 76, 114};
    std::vector<Image*> onFaces;
    for (int b = 0; b < 3; ++b) {
        Image& off = dialog.add<Image>("OFF", Rect{lefts[b], 156, widths[b], 34});
        off.picture = &dlg[1 + 2 * b];
        Image& on = dialog.add<Image>("ON", Rect{lefts[b], 156, widths[b], 34});
        on.picture = &dlg[2 + 2 * b];
        on.visible = false;
        onFaces.push_back(&on);
        off.onMouseMove = [&onFaces, &on](Control&, int, int) {
            for (Image* f : onFaces) f->visible = false;
            on.visible = true;
        };
        on.onClick = [&](Control&) {
            sound.HrajZvuk(1);
            dialog.close(b + 1);
        };
    }
    dialog.find("Pozadi")->onMouseMove = [&](Control&, int, int) {
        for (Image* f : onFaces) f->visible = false;
    };
    for (auto [text, top] : {std::pair{"Slovo \"žába\" na souřadnicích: 7,8", 64},
                             std::pair{"není ve slovníku.", 96}}) {
        Label& l = dialog.add<Label>("Label", Rect{9, top, 282, 20});
        l.caption = utf8ToCp1250(text);
        l.font = Font{"Arial", 15, true, Rgb{235, 225, 200}};
        l.alignment = Alignment::Center;
    }
    next.onClick = [&](Control&) {
        sound.HrajZvuk(1);
        display.showPointer(true);
        app.showModal(dialog);
        display.showPointer(false);
    };
    main.onKeyPress = [&](char& k) {
        if (k == 27) main.close();
    };
    app.timer().SetInterval(1000);
    app.timer().SetEnabled(true);
    app.timer().OnTimer = [&] { sound.TimerHudba(); };
    display.showPointer(false);
    paint(500, 400, nullptr);

    if (shot) {
        auto ev = [](EventKind k, int x, int y) {
            return [=]() -> std::optional<Event> { return Event{k, x, y}; };
        };
        events.script = {ev(EventKind::MouseMove, 930, 490), ev(EventKind::MouseDown, 930, 490),
                         ev(EventKind::MouseUp, 930, 490),
                         ev(EventKind::MouseMove, 362 + 40, 284 + 170),
                         [&]() -> std::optional<Event> {
                             savePng(app.surface(), *shot);
                             dialog.close();
                             main.close();
                             return std::nullopt;
                         }};
    }
    app.run(main);
    return 0;
}

}  // namespace
}  // namespace tb

int main(int argc, char** argv) {
    try {
        return tb::run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tb-platformdemo: %s\n", e.what());
        return 1;
    }
}
