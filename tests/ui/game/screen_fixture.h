#pragma once
// The game screen on SDL's dummy drivers: a pinned bag, a small dictionary,
// a fresh user directory, a clock that moves a little at every reading (so
// the blocking animations end) and the windows answered by the test.

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "engine/game/move.h"
#include "engine/game/tile_positions.h"
#include "files/files.h"
#include "files/text.h"
#include "store/memory_word_store.h"
#include "support/dummy_drivers.h"
#include "support/fakes.h"
#include "support/game_driver.h"
#include "support/scripted_events.h"
#include "support/temp_dir.h"

namespace tb::test {

// Every reading of the clock is 20 ms after the previous one.
class KrokoveHodiny : public ManualTicks {
  public:
    uint32_t GetTickCount() override { return now += 20; }
};

struct Okna {
    std::deque<DialogVolba> slovaOdpovedi;
    std::vector<std::string> chybnaSlova;
    int vymenaOdmitnuta = 0;
    int vysledky = 0;
    bool prohlizet = false;
    std::vector<std::string> otevrena;
};

inline HerniOkna testovaciOkna(Okna& o) {
    HerniOkna h = herniOkna();
    h.chybaSlova = [&o](UiContext&, const ChybaSlova& c) {
        o.chybnaSlova.push_back(c.slovo);
        if (o.slovaOdpovedi.empty()) return DialogVolba::OpravimSam;
        const DialogVolba v = o.slovaOdpovedi.front();
        o.slovaOdpovedi.pop_front();
        return v;
    };
    h.chybaVymena = [&o](UiContext&) { ++o.vymenaOdmitnuta; };
    h.konecHry = [&o](UiContext&, const Vysledek&) {
        ++o.vysledky;
        return o.prohlizet;
    };
    h.prubehHry = [&o](UiContext&) { o.otevrena.push_back("prubeh"); };
    return h;
}

struct Stul {
    // Seat 1 begins; its rack gets the first seven letters of `zacatek`,
    // seat 2 the next seven. `pc2`: seat 2 is the computer.
    explicit Stul(const std::string& zacatek, bool pc2 = false,
                  std::initializer_list<std::string> slova = {"pes", "les", "sto", "nos", "osa"})
        : rnd(skriptHry(1, utf8ToCp1250(zacatek), zamichano(7))),
          slovnik(slova),
          install(TB_ROOT_DIR),
          user(dir.path()) {
        seedUserDir(user, 0);
        hra =
            std::make_unique<HerniAplikace>(app, install, user, slovnik, rnd, testovaciOkna(okna));
        hra->screen().pauzaSnimku = 0;
        UserSettings& n = hra->nastaveni();
        n.NastHracu = 2;
        n.MJmeno[1] = "Eva";
        n.MJmeno[2] = "Jan";
        n.NastPC[2] = pc2 ? 1 : 0;
        hra->novaHra();
        hra->screen().frameTick();  // the first tick deals
    }

    GameState& s() { return hra->stav(); }
    GameForm& form() { return hra->screen().form(); }
    Bitmap& obraz() { return app.surface(); }

    // Plays the queued input through the game screen's loop.
    Stul& hraj() {
        events.onIdle = [this] { form().close(); };
        hra->run();
        return *this;
    }
    Stul& klikNaSlot(int slot) {
        const Bod b = polohaNaStojanu(s().NaTahu, slot);
        events.click(b.x + 16, b.y + 16);
        return *this;
    }
    Stul& klikNaPole(int x, int y) {
        const Bod b = polohaNaDesce(x, y);
        events.click(b.x + 16, b.y + 16);
        return *this;
    }
    // Over the button (it lights), then pressed and released on it.
    Stul& tlacitko(int i) {
        const Control& c = *form().tlacitka[i].OFF;
        // Next and Change overlap the tops of Back and forward by a few pixels.
        events.click(c.left + c.width - 5, c.top + c.height - 5);
        return *this;
    }
    // Lays rack slots in order along row `y` from column `x`, then Next.
    Stul& slovo(std::vector<int> sloty, int x, int y) {
        for (int slot : sloty) klikNaSlot(slot).klikNaPole(x++, y);
        return tlacitko(kNext);
    }

    KrokoveHodiny hodiny;
    ScriptedEvents events{&hodiny};
    Display display{false};
    Application app{display, events, hodiny};
    ScriptedRandom rnd;
    MemoryWordStore slovnik;
    TempDir dir;
    FileRoot install, user;
    Okna okna;
    std::unique_ptr<HerniAplikace> hra;
};

}  // namespace tb::test
