#pragma once
// The menus on a dummy screen with pinned ticks: a game that is not running
// yet, a fresh user directory and the installation's pictures. Input comes
// from a script; each step is followed by at least one menu frame.

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/game/hra.h"
#include "engine/game/tiles.h"
#include "engine/record/move_record.h"
#include "platform/application.h"
#include "platform/display.h"
#include "store/memory_word_store.h"
#include "support/fakes.h"
#include "support/scripted_events.h"
#include "support/temp_dir.h"
#include "ui/screens/main_menu_screen.h"

namespace tb::test {

inline const bool kMenuDummyDrivers = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return true;
}();

// The game screen's side of the timer: the rules set it, the loop runs it.
class CasovacUi : public RecordingUi {
  public:
    explicit CasovacUi(Application& app) : app_(app) {}
    void NastavCasovac(bool zapnut, int interval) override {
        app_.timer().SetInterval(interval);
        app_.timer().SetEnabled(zapnut);
    }

  private:
    Application& app_;
};

struct MenuStul {
    MenuStul()
        : kurzor(slovnik.openCursor()),
          zapis(FileRoot(dir.path())),
          hra(s, ui, rnd, *kurzor, zapis),
          ctx{app, images, s, *kurzor, install, FileRoot(dir.path())} {
        std::filesystem::create_directories(dir.path() / "Data");
        std::filesystem::create_directories(dir.path() / "Save" / "Prubeh");
        dejVsechnaPismena(s);
        ctx.HrajZvuk = [this](int n) { zvuky.push_back(n); };
        nast.HlasitostHudby = 128;
        nast.PocetPisni = 3;
        for (int p = 1; p <= kSeats; ++p) nast.MJmeno[p] = "Hrac" + std::to_string(p);
        menu = std::make_unique<TMainMenu>(MenuHost{
            .ctx = ctx,
            .hra = hra,
            .nast = nast,
            .form = form,
            .novaHra = {},
            .NactiObrazky = {},
            .navratDoHry = {},
            .ukazFPS = {},
            .SetVolumeHudba = [this](int v) { hlasitost = v; },
            .spustHudbu = [this] { ++hudba; },
            .chyba = [this](const std::string& e) { chyby.push_back(e); },
            .potvrd =
                [this](const std::string& otazka) {
                    otazky.push_back(otazka);
                    return odpoved;
                },
        });
        form.autoPaint = false;
        form.onKeyPress = [this](char& k) { menu->FormKeyPress(k); };
        app.timer().OnTimer = [this] {
            if (hra.interval() == 0)
                menu->frameTick();
            else
                hra.frameTick();
        };
        hra.NastavCasovac(true, 0);
        s.Faze = Phase::Menu;  // the intro has its own tests
    }
    // A test that expects an error box takes it out of `chyby`.
    ~MenuStul() { EXPECT_TRUE(chyby.empty()) << chyby.front(); }

    // Runs the loop over the steps; a step is an event or a look at the state.
    void spust() {
        events.onIdle = [this] {
            if (kroky.empty()) {
                form.close();
                return;
            }
            auto k = std::move(kroky.front());
            kroky.pop_front();
            k();
        };
        app.run(form);
    }
    MenuStul& udalost(Event e) {
        kroky.push_back([this, e] { events.push(e); });
        return *this;
    }
    MenuStul& pohyb(int x, int y) { return udalost({EventKind::MouseMove, x, y}); }
    MenuStul& stisk(int x, int y) { return udalost({EventKind::MouseDown, x, y}); }
    MenuStul& pust(int x, int y) { return udalost({EventKind::MouseUp, x, y}); }
    MenuStul& klik(int x, int y) {
        return pohyb(x, y).snimky(1).stisk(x, y).snimky(1).pust(x, y).snimky(1);
    }
    // Press and release waiting together, as a quick click does between frames.
    MenuStul& rychlyKlik(int x, int y) {
        pohyb(x, y).snimky(1);
        kroky.push_back([this, x, y] {
            events.push({EventKind::MouseDown, x, y}).push({EventKind::MouseUp, x, y});
        });
        return snimky(1);
    }
    // The middle of hit rectangle `r`.
    MenuStul& klikRect(int r) {
        const Rect& q = TMainMenu::Recty()[r];
        return klik(q.x + q.w / 2, q.y + q.h / 2);
    }
    MenuStul& klavesa(int k) { return udalost({EventKind::KeyPress, 0, 0, 1, k}); }
    MenuStul& pis(const std::string& cp1250) {
        for (char c : cp1250) klavesa(static_cast<unsigned char>(c));
        return *this;
    }
    MenuStul& snimky(int n) {
        for (int i = 0; i < n; ++i) kroky.push_back([] {});
        return *this;
    }
    MenuStul& pak(std::function<void()> f) {
        kroky.push_back(std::move(f));
        return *this;
    }

    std::filesystem::path userDir() const { return dir.path(); }

    ManualTicks clock;
    ScriptedEvents events{&clock};
    Display display{false};
    Application app{display, events, clock};
    FileRoot install{TB_ROOT_DIR};
    ImageLists images{install, ImageManifest::load(install)};
    TempDir dir;
    GameState s;
    CasovacUi ui{app};
    ScriptedRandom rnd;
    MemoryWordStore slovnik;
    std::unique_ptr<WordCursor> kurzor;
    TZapis zapis;
    Hra hra;
    UiContext ctx;
    UserSettings nast;
    Window form{"GameForm"};
    std::unique_ptr<TMainMenu> menu;
    std::vector<int> zvuky;
    std::vector<std::string> chyby, otazky;  // the error boxes and questions shown
    bool odpoved = false;                    // the answer to a question
    int hudba = 0;
    int hlasitost = -1;
    std::deque<std::function<void()>> kroky;
};

}  // namespace tb::test
