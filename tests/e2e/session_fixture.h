#pragma once
// The whole application on SDL's dummy drivers, with a pinned clock and seed, a small
// dictionary and a fresh user directory; the player's steps are queued as checkpoints.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/app_main.h"
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
#include "support/window_script.h"
#include "ui/screens/main_menu_screen.h"

namespace tb::test {

// The whole content of a file, empty when there is none.
inline std::string obsahSouboru(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

struct Sezeni : OknaSkript {
    // Runs the game with `args` after the pinned ones; the exit status.
    int spust(std::vector<std::string> args) {
        std::vector<std::string> vse{"--window",   "--seed",           "3", "--root", TB_ROOT_DIR,
                                     "--user-dir", dir.path().string()};
        vse.insert(vse.end(), args.begin(), args.end());
        AppDrivers d;
        d.events = &events, d.ticks = &clock, d.zvuk = &zvuk;
        d.slovnik = vestavenySlovnik ? nullptr : &slovnik;
        d.zprava = [this](const std::string& text) { zpravy.push_back(text); };
        d.onStart = [this](HerniAplikace& h) {
            hra_ = &h;
            pripoj(h.ctx().app, events, [this] {
                ADD_FAILURE() << "the script ended while the game still runs";
                events.push({EventKind::Quit});
            });
            if (priStartu) priStartu();
        };
        const int rc = runApplication(vse, "tavik-borun", d);
        hra_ = nullptr;
        return rc;
    }

    // Runs the game to its end, which must come after the last checkpoint.
    void hraj(std::vector<std::string> args) {
        EXPECT_EQ(spust(std::move(args)), 0);
        EXPECT_TRUE(hotovo());
    }

    HerniAplikace& hra() { return *hra_; }
    GameState& s() { return hra_->stav(); }
    GameForm& form() { return hra_->screen().form(); }
    TMainMenu& menu() { return hra_->menu(); }
    Bitmap& obraz() { return app().surface(); }
    std::filesystem::path soubor(const std::string& rel) const { return dir.path() / rel; }
    std::string obsah(const std::string& rel) const { return obsahSouboru(soubor(rel)); }
    // The default settings and the lines `navic` in the user directory.
    void nastaveni(const std::string& navic) {
        std::filesystem::create_directories(soubor("Data"));
        writeFileAtomic(soubor("Data/User.dat"), defaultUserDat(0) + navic);
    }

    // Steps of the player; most take the checkpoint `pak` that follows them.
    using Pak = std::function<void()>;
    void krok(Pak udelej, Pak pak) {
        potom(std::move(udelej));
        if (pak) potom(std::move(pak));
    }
    using OknaSkript::cekej;
    void cekej(uint32_t ms, Pak pak) {
        cekej(ms);
        potom(std::move(pak));
    }

    // Menu button `r`: over it, held for a frame, released; or `rychle`, within one frame.
    void menuTlacitko(int r, Pak pak = {}, bool rychle = false) {
        const Rect& q = TMainMenu::Recty()[r];
        menuKlik(q.x + q.w / 2, q.y + q.h / 2, rychle);
        if (pak) potom(std::move(pak));
    }
    void menuTlacitka(std::initializer_list<int> rs) {
        for (int r : rs) menuTlacitko(r);
    }
    // New game from the main menu, with the setup buttons `volby` pressed first.
    void novaHra(std::initializer_list<int> volby = {}, Pak pak = {}) {
        menuTlacitko(1);
        menuTlacitka(volby);
        menuTlacitko(13);
        cekej(100);
        if (pak) potom(std::move(pak));
    }
    void menuKlik(int x, int y, bool rychle = false) {
        potom([this, x, y] { events.move(x, y); });
        cekej(40);
        potom([this, x, y, rychle] { rychle ? events.down(x, y).up(x, y) : events.down(x, y); });
        cekej(40);
        if (!rychle) potom([this, x, y] { events.up(x, y); }), cekej(40);
    }
    // From a game through the in-game menu's End to the main menu, where Esc ends it all.
    void odejdi() {
        klavesa(27);
        dialog("Konec");
        cekej(100);
        klavesa(27);
    }
    // On a save or load screen: slot n, then OK.
    void naPozici(int n, Pak pak = {}) {
        menuTlacitko(16 + n);
        menuTlacitko(15);
        if (pak) potom(std::move(pak));
    }
    void klavesa(int k, Pak pak = {}) {
        krok([this, k] { events.key(k); }, std::move(pak));
    }
    // A tile of the rack of the seat on move; a square of the board.
    void slot(int n, Pak pak = {}) {
        krok([this, n] { klikNa(polohaNaStojanu(s().NaTahu, n)); }, std::move(pak));
    }
    void pole(int x, int y, Pak pak = {}) {
        krok([this, x, y] { klikNa(polohaNaDesce(x, y)); }, std::move(pak));
    }
    void klikNa(Bod b) { events.click(b.x + 16, b.y + 16); }
    // Rack slots laid in order along row `y` from column `x`.
    void poloz(std::vector<int> sloty, int x, int y, Pak pak = {}) {
        for (int n : sloty) slot(n), pole(x++, y);
        if (pak) potom(std::move(pak));
    }
    // A button of the game screen: over it (it lights), pressed and released.
    // Next and Change overlap the tops of Back and forward by a few pixels.
    void tlacitko(int i, Pak pak = {}) {
        potom([this, i] {
            const Control& c = *form().tlacitka[i].OFF;
            events.click(c.left + c.width - 5, c.top + c.height - 5);
        });
        if (pak) potom(std::move(pak));
    }
    // A row of the in-game menu.
    void vMenu(const std::string& volba, Pak pak = {}) {
        tlacitko(kMenu);
        dialog(volba, std::move(pak));
    }
    // A picture button of the open dialog.
    void dialog(const std::string& tlacitko, Pak pak = {}) {
        krok([this, tlacitko] { stiskni(tlacitko); }, std::move(pak));
    }

    // The word the tiles of this move spell along row `y` from column `x`.
    std::string noveSlovo(int x, int y) {
        std::string w;
        for (; x <= kBoard && s().Pole[x][y].Novy; ++x)
            w += s().Kameny[s().Pole[x][y].Novy].Pismeno;
        return w;
    }

    // Each letter of seat `hrac`'s rack before and after the run `rada`.
    void slovaKRade(const std::string& rada, int hrac) {
        const GameState& g = s();
        for (int slot = 1; slot <= kRack; ++slot)
            if (const int k = g.Zasobnik[hrac][slot]) {
                slova->InsertWord(g.Kameny[k].Pismeno + rada);
                slova->InsertWord(rada + g.Kameny[k].Pismeno);
            }
    }
    // Every fixed tile of the board shows its letter on its square.
    void deskaUkazana() {
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y)
                if (const int k = s().Pole[x][y].Pevny) {
                    const Bod b = polohaNaDesce(x, y);
                    EXPECT_TRUE(naObrazovce(pismeno(k), b.x, b.y, 16, 12)) << x << "," << y;
                }
    }
    ImageList& obrazky(const char* list) { return hra_->ctx().images.get(list); }
    const Picture& pismeno(int tile) { return hra_->screen().painter().DXPismeno()[tile - 1]; }
    // The screen shows pixel (px, py) of picture `p` drawn at (x, y).
    bool naObrazovce(const Picture& p, int x, int y, int px, int py) {
        return obraz().rgb(x + px, y + py) == p.bitmap().rgb(px, py);
    }
    // Something is written over picture `p` (drawn at (x, y)) in the area `r`.
    bool psano(Rect r, const Picture& p, int x = 0, int y = 0) {
        for (int j = r.y; j < r.y + r.h; ++j)
            for (int i = r.x; i < r.x + r.w; ++i)
                if (!naObrazovce(p, x, y, i - x, j - y)) return true;
        return false;
    }
    // The screen shows face `i` of the game screen's buttons, whole, at its button.
    bool tvar(int i) {
        const Control& c = *form().tlacitka[i / 3].OFF;
        return !psano({c.left, c.top, c.width, c.height}, hra_->screen().painter().DXMenu()[i],
                      c.left, c.top);
    }
    bool veSlovniku(const std::string& w) { return slovnik.words().count(w) > 0; }

    ManualTicks clock;
    ScriptedEvents events{&clock};
    // The game's own dictionary instead of the small one below.
    bool vestavenySlovnik = false;
    FakeBackend zvuk;
    MemoryWordStore slovnik;
    std::unique_ptr<WordCursor> slova = slovnik.openCursor();  // words added by hand
    TempDir dir;
    std::vector<std::string> zpravy;  // why the game could not start
    std::function<void()> priStartu;  // runs before the first frame

  private:
    HerniAplikace* hra_ = nullptr;
};

}  // namespace tb::test
