#include "soak/soak_driver.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "app/app_main.h"
#include "app/game_app.h"
#include "engine/game/move.h"
#include "engine/game/tile_positions.h"
#include "files/text.h"
#include "store/memory_word_store.h"
#include "support/dummy_drivers.h"

namespace tb::test {
namespace {

constexpr int kSirka = 1024, kVyska = 768;

bool pouzitelny(const Control& c) {
    return c.visible && c.enabled && c.width > 0 && c.height > 0;
}

// Random but plausible input aimed mostly at what can be used on the screen
// shown; the same seed and the same screens give the same stream.
class NahodnyVstup {
  public:
    explicit NahodnyVstup(uint64_t seed) : rng_(seed) {}

    // A point inside r.
    Bod bodV(Rect r) { return {r.x + nahoda(std::max(r.w, 1)), r.y + nahoda(std::max(r.h, 1))}; }

    // Menu screens: hit table buttons (from, to, times each), the name and word boxes.
    Bod vMenu(HerniAplikace& hra) {
        TMainMenu& m = hra.menu();
        std::vector<std::array<int, 3>> rozsahy;
        std::vector<Rect> cile;
        const int o = m.MenuObrazovka;
        if (o == kMenuHlavni) {
            // A new game most often: that is where the play is. Exit now and then.
            rozsahy = {{1, 1, 8}, {2, 5, 2}, {6, 6, sance(3)}};
        } else if (o == kMenuNova) {
            rozsahy = {{7, 12, 1}, {13, 13, 4}, {14, 14, 1}, {27, 30, 2}};
            for (int p = 1; p <= kSeats; ++p)
                if (m.MJmeno(p).visible) cile.push_back(m.MJmeno(p).bounds());
        } else if (o == kMenuNacti || o == kMenuNactiPrubeh || o == kMenuUloz ||
                   o == kMenuUlozPrubeh) {
            rozsahy = {{17, 26, 1}, {15, 15, 4}, {16, 16, 2}};
        } else if (o == kMenuNastaveni) {
            rozsahy = {{31, 32, 2}, {33, 33, 2}};
            for (const Control* c :
                 {static_cast<Control*>(&m.SlovnikO()), static_cast<Control*>(&m.DBListBox1())})
                if (c->visible) cile.insert(cile.end(), 3, c->bounds());
        } else if (o == kMenuInfo) {
            rozsahy = {{34, 36, 1}, {35, 35, 1}};
        }
        for (const auto& [od, po, kolikrat] : rozsahy)
            for (int i = od; i <= po; ++i) cile.insert(cile.end(), kolikrat, TMainMenu::Recty()[i]);
        if (cile.empty() || sance(12)) return {nahoda(kSirka), nahoda(kVyska)};
        return bodV(cile[nahoda(static_cast<int>(cile.size()))]);
    }

    // The game screen: rack slots, squares, the nine buttons, exchange marks, tiles, anywhere.
    Bod veHre(HerniAplikace& hra) {
        const GameState& s = hra.stav();
        GameForm& f = hra.screen().form();
        auto kolem = [&](Bod b) { return Bod{b.x + mezi(2, 30), b.y + mezi(2, 30)}; };
        const int volba = podleVah({28, 27, 20, 5, 5, 15});
        switch (volba) {
            case 0:
                if (s.NaTahu < 1 || s.NaTahu > kSeats) break;
                return kolem(polohaNaStojanu(s.NaTahu, mezi(1, kRack)));
            case 1:
                if (sance(50)) return kolem(polohaNaDesce(mezi(5, 11), mezi(5, 11)));
                return kolem(polohaNaDesce(mezi(1, kBoard), mezi(1, kBoard)));
            case 2:
                return bodV(f.tlacitka[podleVah({45, 12, 8, 8, 6, 6, 6, 6, 8})].OFF->bounds());
            case 3:
            case 4: {
                // An exchange mark, or any tile that shows.
                std::vector<Rect> cile;
                for (int i = 1; i <= kTiles; ++i)
                    if (const Control* c =
                            volba == 3 ? (i <= kRack ? f.KVs[i] : nullptr) : f.Image[i];
                        c && pouzitelny(*c))
                        cile.push_back(c->bounds());
                if (!cile.empty()) return bodV(cile[nahoda(static_cast<int>(cile.size()))]);
            }
        }
        return vOkne(f);
    }

    // A window: its usable controls (not the background over all of it), those
    // that answer the mouse more often than texts and pictures; now and then anywhere.
    Bod vOkne(const Window& w) {
        std::vector<Rect> cile;
        for (const Control* c : w.controls()) {
            if (!pouzitelny(*c) || c->width * c->height >= w.bounds.w * w.bounds.h / 2) continue;
            // A text that only puts out the lit faces is no button.
            const bool odpovida = c->onClick || c->onMouseDown || c->focusable() ||
                                  (c->onMouseMove && !dynamic_cast<const Label*>(c));
            cile.insert(cile.end(), odpovida ? 8 : 1,
                        Rect{w.bounds.x + c->left, w.bounds.y + c->top, c->width, c->height});
        }
        if (sance(5)) return {mezi(-4, kSirka + 4), mezi(-4, kVyska + 4)};
        if (cile.empty() || sance(15)) return bodV(w.bounds);
        return bodV(cile[nahoda(static_cast<int>(cile.size()))]);
    }

    Bod kamKliknout(HerniAplikace& hra) {
        Application& app = hra.ctx().app;
        Window* top = app.top();
        if (top && top != &hra.screen().form()) return vOkne(*top);
        if (hra.stav().Faze == Phase::Intro) return {nahoda(kSirka), nahoda(kVyska)};
        if (app.timer().Interval() == 0) return vMenu(hra);
        return veHre(hra);
    }

    void klavesa(HerniAplikace& hra) {
        const bool intro = hra.stav().Faze == Phase::Intro;
        const bool hlavniMenu = hra.ctx().app.top() == &hra.screen().form() &&
                                hra.ctx().app.timer().Interval() == 0 &&
                                hra.menu().MenuObrazovka == kMenuHlavni;
        // Esc on the main menu ends the application: rare there, so sessions last.
        const int esc = intro ? 400 : hlavniMenu ? 1 : 30;
        static const std::string pismena =
            utf8ToCp1250("aábcčdďeéěfghiíjklmnňoóprřsštťuůúvyýzžAKZ09 .-");
        static const int specialni[] = {kKeyUp,       kKeyDown, kKeyPageUp,
                                        kKeyPageDown, kKeyHome, kKeyEnd};
        const int volba = podleVah({esc, 60, 60, 15, 400, 50, 2});
        if (volba >= 5)
            return fronta_.push_back(
                {EventKind::KeyDown, 0, 0, 1, volba == 5 ? specialni[nahoda(6)] : kKeyF11});
        const int klavesy[] = {
            27, 13, 8, '\\',
            static_cast<unsigned char>(pismena[nahoda(static_cast<int>(pismena.size()))])};
        fronta_.push_back({EventKind::KeyPress, 0, 0, 1, klavesy[volba]});
    }

    // A few rack tiles in a line through the centre or on from a fixed tile, then Next.
    bool polozRadu(HerniAplikace& hra) {
        const GameState& s = hra.stav();
        Application& app = hra.ctx().app;
        if (app.top() != &hra.screen().form() || app.timer().Interval() != 1000 ||
            s.Faze == Phase::Browse || s.VRuce.drzi() || s.RezimVymeny || s.NaTahu < 1 ||
            s.NaTahu > kSeats)
            return false;
        std::vector<int> sloty;
        for (int slot = 1; slot <= kRack; ++slot)
            if (s.Zasobnik[s.NaTahu][slot] != 0) sloty.push_back(slot);
        std::shuffle(sloty.begin(), sloty.end(), rng_);
        sloty.resize(std::min<size_t>(sloty.size(), mezi(2, 4)));
        if (sloty.size() < 2) return false;
        const int k = static_cast<int>(sloty.size());
        auto volno = [&](int x, int y) {
            return x >= 1 && x <= kBoard && y >= 1 && y <= kBoard && s.Pole[x][y].Pevny == 0 &&
                   s.Pole[x][y].Novy == 0;
        };
        std::vector<std::pair<int, int>> pevne;
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y)
                if (s.Pole[x][y].Pevny) pevne.push_back({x, y});
        int x0 = 8 - nahoda(k), y0 = 8, dx = 1, dy = 0;
        if (sance(50)) std::swap(x0, y0), std::swap(dx, dy);
        if (!pevne.empty()) {
            // On from a fixed tile: the cells after it in one direction.
            const auto [px, py] = pevne[nahoda(static_cast<int>(pevne.size()))];
            const bool vodorovne = sance(50);
            dx = vodorovne, dy = !vodorovne;
            x0 = px + dx, y0 = py + dy;
        }
        for (int i = 0; i < k; ++i)
            if (!volno(x0 + i * dx, y0 + i * dy)) return false;
        const auto doprostred = [](Bod b) { return Bod{b.x + 16, b.y + 16}; };
        for (int i = 0; i < k; ++i) {
            klik(doprostred(polohaNaStojanu(s.NaTahu, sloty[i])));
            klik(doprostred(polohaNaDesce(x0 + i * dx, y0 + i * dy)));
        }
        const Control& next = *hra.screen().form().tlacitka[kNext].OFF;
        klik({next.left + next.width / 2, next.top + next.height - 8});
        return true;
    }

    void gesto(HerniAplikace& hra) {
        if (sance(15) && polozRadu(hra)) return;
        switch (podleVah({38, 18, 8, 4, 3, 2, 2, 25})) {
            case 0:
                return klik(kamKliknout(hra));
            case 1:
                return tah(EventKind::MouseMove, kamKliknout(hra));
            case 2: {  // drag: pressed here, released there
                const Bod a = kamKliknout(hra), b = kamKliknout(hra);
                tah(EventKind::MouseMove, a), tah(EventKind::MouseDown, a);
                tah(EventKind::MouseMove, {(a.x + b.x) / 2, (a.y + b.y) / 2});
                return tah(EventKind::MouseMove, b), tah(EventKind::MouseUp, b);
            }
            case 3:  // a lone press or release
                return tah(sance(50) ? EventKind::MouseDown : EventKind::MouseUp, kamKliknout(hra));
            case 4: {  // double click
                const Bod b = kamKliknout(hra);
                for (int i = 0; i < 2; ++i)
                    tah(EventKind::MouseDown, b), tah(EventKind::MouseUp, b);
                return;
            }
            case 5: {  // the other buttons
                const Bod b = kamKliknout(hra);
                const int t = sance(70) ? 3 : 2;
                return tah(EventKind::MouseDown, b, t), tah(EventKind::MouseUp, b, t);
            }
            case 6: {
                const Bod b = kamKliknout(hra);
                return fronta_.push_back({EventKind::Wheel, b.x, b.y, 1, 0, sance(50) ? 1 : -1});
            }
            default:
                return klavesa(hra);
        }
    }

    Event dalsi(HerniAplikace& hra) {
        if (fronta_.empty()) gesto(hra);
        const Event e = fronta_.front();
        fronta_.pop_front();
        return e;
    }

    uint32_t prodleva(HerniAplikace& hra) {
        // Mid-gesture the hand goes on at once.
        if (!fronta_.empty() || sance(84)) return 0;
        const bool hra_bezi = hra.ctx().app.timer().Interval() == 1000;
        if (sance(85)) return mezi(20, 1500);
        // Long rests only in play (the clocks and the time limit run), not in the menus.
        if (!hra_bezi || sance(80)) return mezi(1500, 5000);
        return mezi(5000, 200000);
    }

  private:
    // Picks an index by weight.
    int podleVah(std::initializer_list<int> vahy) {
        int soucet = 0;
        for (int v : vahy) soucet += v;
        int r = nahoda(soucet), i = 0;
        for (int v : vahy) {
            if (r < v) return i;
            r -= v, ++i;
        }
        return i - 1;
    }
    int nahoda(int n) { return n <= 1 ? 0 : static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
    bool sance(int procent) { return nahoda(100) < procent; }
    int mezi(int a, int b) { return a + nahoda(b - a + 1); }
    void klik(Bod b) {
        tah(EventKind::MouseMove, b), tah(EventKind::MouseDown, b), tah(EventKind::MouseUp, b);
    }
    void tah(EventKind k, Bod b, int tlacitko = 1) { fronta_.push_back({k, b.x, b.y, tlacitko}); }

    std::mt19937_64 rng_;
    std::deque<Event> fronta_;
};

// Longest without a rest: a deal of four racks or three computer seats laying seven tiles.
constexpr uint32_t kMaxBezOddechu = 300000;
constexpr long kMaxSmycek = 2000000;

// A fault found; not a std::exception, so that no handler of the game swallows it.
struct Nalez {
    std::string co;
};

// Input and clock of one soak: time moves by the loop's waits and a little at
// every clock reading (faster when they pile up without a rest, so animations
// end); the next event comes once the game has rested after the last.
class Pohon : public EventSource, public Ticks {
  public:
    Pohon(NahodnyVstup& vstup, long udalosti, SoakVysledek& v)
        : vstup_(vstup), limit_(udalosti), v_(v) {}

    void pripoj(HerniAplikace* hra) { hra_ = hra, top_ = nullptr; }
    bool konec() const { return quit_; }

    bool poll(Event& e) override {
        hlidej();
        if (cekaNaOddech_ || quit_ || !hra_ || now_ < dalsiAz_) return false;
        quit_ = v_.udalosti >= limit_;
        e = quit_ ? Event{EventKind::Quit} : vstup_.dalsi(*hra_);
        if (!quit_) ++v_.udalosti, cekaNaOddech_ = true;
        return true;
    }

    void wait(uint32_t ms) override {
        if (cekaNaOddech_) {
            cekaNaOddech_ = false;
            if (hra_) dalsiAz_ = now_ + vstup_.prodleva(*hra_);
        }
        now_ += ms;
        oddech_ = now_, smycky_ = 0, cteni_ = 0;
        if (hra_) sleduj(*hra_);
    }

    // An animation's rest between frames: pinned time, never a real sleep.
    void pause(uint32_t ms) override {
        hlidej();
        now_ += ms;
    }

    uint32_t GetTickCount() override {
        hlidej();
        now_ += ++cteni_ <= 32 ? 1 : 20;
        v_.pinovanyCas = now_;
        return now_;
    }

    // Once a fault is on its way out, the game's cleanup must not raise another.
    bool selhal = false;

  private:
    void hlidej() {
        if (selhal) return;
        ++smycky_;
        if (now_ - oddech_ > kMaxBezOddechu)
            nalez("no rest for " + std::to_string(now_ - oddech_) + " pinned ms");
        if (smycky_ > kMaxSmycek)
            nalez("no rest after " + std::to_string(smycky_) + " polls and clock readings");
    }

    [[noreturn]] void nalez(std::string co) {
        selhal = true;
        throw Nalez{std::move(co)};
    }

    // At rest: the windows and screens shown, the games, and the tiles.
    void sleduj(HerniAplikace& hra) {
        Window* top = hra.ctx().app.top();
        const bool hlavni = top == &hra.screen().form();
        if (top && (top != top_ || top->name != topJmeno_)) {
            top_ = top;
            topJmeno_ = top->name;
            if (!hlavni) ++v_.okna[top->name];
            if (top->name == "TZprava") chybovyBox(*top);
        }
        const GameState& s = hra.stav();
        if (std::all_of(s.Pytel.begin() + 1, s.Pytel.end(), [](int t) { return t == 0; }))
            return;  // no game dealt yet
        const std::string c = checkTiles(s);
        if (!c.empty()) nalez("tiles: " + c);
        if (s.Faze != Phase::Browse && s.Rozdano) {
            if (s.PosledniTah > posledniTah_) v_.tahy += s.PosledniTah - posledniTah_;
            posledniTah_ = s.PosledniTah;
        }
    }

    // The box that names an error the game caught: a fault all the same.
    void chybovyBox(const Window& w) {
        const auto* nadpis = dynamic_cast<const Label*>(w.find("Nadpis"));
        if (!nadpis || nadpis->caption != "Chyba") return;
        std::string text;
        for (const Control* c : w.controls())
            if (const auto* l = dynamic_cast<const Label*>(c); l && c->name == "Radek")
                text += cp1250ToUtf8(l->caption);
        nalez("error box: " + text);
    }

    NahodnyVstup& vstup_;
    long limit_;
    SoakVysledek& v_;
    HerniAplikace* hra_ = nullptr;
    uint32_t now_ = 1000, oddech_ = 1000, dalsiAz_ = 0;
    long smycky_ = 0;
    int cteni_ = 0;
    bool cekaNaOddech_ = false, quit_ = false;
    const Window* top_ = nullptr;
    std::string topJmeno_;
    int posledniTah_ = 0;
};

std::vector<std::string> argumenty(uint64_t seed, const fs::path& root, const fs::path& userDir,
                                   int relace) {
    std::vector<std::string> a{"--window", "--root", root.string(), "--user-dir"};
    a.insert(a.end(), {userDir.string(), "--seed", std::to_string(seed * 1000 + relace)});
    // Some sessions begin past the intro, some right in a game.
    if (relace == 0 && seed % 3 == 1) a.push_back("--new-game");
    if (seed % 3 == 2) a.push_back("--no-intro");
    return a;
}

MemoryWordStore soakSlovnik() {
    static const std::string kSlova =
        "a ale ano auto bez byl by cesta co čas den dva dům e hora hrad já jak je jed jeden jen "
        "kde kdo kolo kost kos krok les led lev list lod loď malý máma med mez mír most my na nad "
        "nebo nos nota noc nový o od oko on ona oni osa pan pes pec pero pivo po pod pole pro rok "
        "ruka ryba řeka sen se sed sek seno síla sklo slon sto strom sůl šat ta tak ten to tok tón "
        "tu ty u už v vata vek věk víno voda vůz z za zase žena život at ne ni in dno ani kat kot "
        "rak sak kil lak las pas pat pata rek ret rty sok sad sady tam tma um ucho val vak vir oba "
        "obr ode oka oči oves pila plot prak sever sova stan stop svět syn tele tety teta topol "
        "trn trh uzel vlak vrak zub žák";
    MemoryWordStore slovnik;
    auto kurzor = slovnik.openCursor();
    std::istringstream slova(kSlova);
    for (std::string s; slova >> s;)
        if (const std::string w = utf8ToCp1250(s); !kurzor->Lookup(w)) kurzor->InsertWord(w);
    return slovnik;
}

}  // namespace

SoakVysledek soak(uint64_t seed, long udalosti, const fs::path& root, const fs::path& userDir) {
    (void)kDummyDrivers;
    MemoryWordStore slovnik = soakSlovnik();
    SoakVysledek v;
    NahodnyVstup vstup(seed);
    Pohon pohon(vstup, udalosti, v);
    while (!pohon.konec()) {
        std::string proc;
        AppDrivers d{.events = &pohon,
                     .ticks = &pohon,
                     .slovnik = &slovnik,
                     .onStart =
                         [&pohon](HerniAplikace& hra) {
                             hra.screen().pauzaSnimku = 0;
                             pohon.pripoj(&hra);
                         },
                     .zprava = [&proc](const std::string& text) { proc = text; }};
        std::optional<std::string> chyba;
        try {
            const int rc =
                runApplication(argumenty(seed, root, userDir, v.relace), "tavik-borun", d);
            if (rc != 0) chyba = "the game ended with status " + std::to_string(rc) + ": " + proc;
        } catch (const Nalez& f) {
            chyba = f.co;
        } catch (const std::exception& e) {
            chyba = std::string("exception: ") + e.what();
        }
        pohon.selhal = false;
        pohon.pripoj(nullptr);
        ++v.relace;
        if (chyba) {
            v.chyba = *chyba;
            v.chybaPoUdalosti = v.udalosti;
            break;
        }
    }
    return v;
}

}  // namespace tb::test
