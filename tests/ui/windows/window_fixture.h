#pragma once
// Windows on SDL's dummy drivers with the build's pictures, a small dictionary and checkpoints.

#include <memory>
#include <stdexcept>
#include <string>

#include "engine/game/game_state.h"
#include "files/text.h"
#include "platform/application.h"
#include "platform/image_manifest.h"
#include "store/memory_word_store.h"
#include "support/dummy_drivers.h"
#include "support/scripted_events.h"
#include "support/window_script.h"
#include "ui/windows/ui_context.h"

namespace tb::test {

struct WindowsFixture : OknaSkript {
    WindowsFixture() {
        pripoj(app, events,
               [] { throw std::runtime_error("the window is still open at the end"); });
    }

    // The game screen's picture under the windows.
    void hraciPlocha() {
        auto& form = images.get("Form1");
        for (auto [n, x, y] : {std::tuple{"Pozadi", 0, 0},
                               {"HraciPlocha", 129, 98},
                               {"Panel1", 235, 707},
                               {"Panel2", 235, 4}})
            form[form.find(n)].draw(app.surface(), x, y);
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
};

}  // namespace tb::test
