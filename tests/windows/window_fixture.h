#pragma once
// The windows under test run on SDL's dummy drivers with the generated
// pictures of the build tree, a small dictionary and scripted input. A test
// queues events and checkpoints: each checkpoint runs when the window has
// used up the events before it, looks at the open window and queues more.

#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/game_state.h"
#include "core/text.h"
#include "dictionary/memory_word_store.h"
#include "platform/application.h"
#include "platform/dummy_drivers.h"
#include "platform/image_manifest.h"
#include "screen/ui_context.h"
#include "support/scripted_events.h"

namespace tb::test {

inline std::string cp(const char* utf8) {
    return utf8ToCp1250(utf8);
}

struct WindowsFixture {
    WindowsFixture() {
        events.onIdle = [this] {
            if (kroky.empty()) throw std::runtime_error("the window is still open at the end");
            auto krok = std::move(kroky.front());
            kroky.pop_front();
            krok();
        };
    }

    // Runs `krok` once the events queued so far are used up.
    void potom(std::function<void()> krok) { kroky.push_back(std::move(krok)); }

    Window& okno() {
        if (!app.top()) throw std::runtime_error("no window is open");
        return *app.top();
    }
    template <class T = Control>
    T& prvek(const std::string& name) {
        auto* c = dynamic_cast<T*>(okno().find(name));
        if (!c) throw std::runtime_error("no control " + name + " in " + okno().name);
        return *c;
    }
    std::string text(const std::string& label) { return prvek<Label>(label).caption; }
    bool svitiBy(const std::string& face) { return prvek(face).visible; }
    // A click in the middle of a control of the open window.
    void klikni(const std::string& name) {
        const Control& c = prvek(name);
        const Rect b = okno().bounds;
        events.click(b.x + c.left + c.width / 2, b.y + c.top + c.height / 2);
    }
    void najed(const std::string& name) {
        const Control& c = prvek(name);
        const Rect b = okno().bounds;
        events.move(b.x + c.left + c.width / 2, b.y + c.top + c.height / 2);
    }
    // The picture as it is now, as PNG, when TB_WINDOW_SHOTS names a folder.
    void snimek(const std::string& name) {
        if (const char* dir = std::getenv("TB_WINDOW_SHOTS"))
            savePng(app.surface(), std::string(dir) + "/" + name + ".png");
    }
    // The game screen's picture under the windows.
    void hraciPlocha() {
        auto& form = images.get("Form1");
        form[form.find("Pozadi")].draw(app.surface(), 0, 0);
        form[form.find("HraciPlocha")].draw(app.surface(), 129, 98);
        form[form.find("Panel1")].draw(app.surface(), 235, 707);
        form[form.find("Panel2")].draw(app.surface(), 235, 4);
    }

    ManualTicks clock;
    ScriptedEvents events{&clock};
    Display display{false};
    Application app{display, events, clock};
    FileRoot root{TB_ROOT_DIR};
    ImageLists images{root, ImageManifest::load(root)};
    GameState s;
    MemoryWordStore slovnik{"pes", "kolo", "auto"};
    std::unique_ptr<WordCursor> kurzor = slovnik.openCursor();
    std::vector<int> zvuky;
    UiContext ctx{app, images, s, *kurzor, root, root, [this](int n) { zvuky.push_back(n); }};
    std::deque<std::function<void()>> kroky;
};

}  // namespace tb::test
