#include "soak/soak_driver.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/app_main.h"
#include "app/game_app.h"
#include "engine/game/move.h"
#include "files/text.h"
#include "soak/random_input.h"
#include "support/dummy_drivers.h"

namespace tb::test {
namespace {

// Longest the game may go without coming to rest (the longest blocking run
// is a deal of four racks or three computer seats laying seven tiles each).
constexpr uint32_t kMaxBezOddechu = 300000;
constexpr long kMaxSmycek = 2000000;

long g_udalost = 0;

// A fault of the game found by the soak. Not a std::exception, so that no
// handler of the game can swallow it on its way out.
struct Nalez {
    std::string co;
};

// An event as a line of the trace.
std::string popis(const Event& e) {
    static const char* const druh[] = {"move", "down", "up", "wheel", "key", "special", "quit"};
    std::string s = druh[static_cast<int>(e.kind)];
    if (e.kind == EventKind::KeyPress || e.kind == EventKind::KeyDown)
        return s + " " + std::to_string(e.key);
    s += " " + std::to_string(e.x) + "," + std::to_string(e.y);
    if (e.button != 1) s += " button " + std::to_string(e.button);
    if (e.kind == EventKind::Wheel) s += " " + std::to_string(e.wheel);
    return s;
}

// Input and clock of one soak. Time moves by the waits of the loop and a
// little at every reading of the clock; readings that pile up without a rest
// (a blocking animation) move it faster, so the animations end in a few dozen
// frames. The next event comes only once the game has rested after the last.
class Pohon : public EventSource, public Ticks {
  public:
    Pohon(NahodnyVstup& vstup, long udalosti, SoakVysledek& v)
        : vstup_(vstup), limit_(udalosti), v_(v) {}

    void pripoj(HerniAplikace* hra) {
        hra_ = hra;
        top_ = nullptr;
        obrazovka_ = -1;
    }
    bool konec() const { return quit_; }

    bool poll(Event& e) override {
        hlidej();
        if (cekaNaOddech_ || quit_ || !hra_ || now_ < dalsiAz_) return false;
        if (v_.udalosti >= limit_) {
            e = Event{EventKind::Quit};
            quit_ = true;
            return true;
        }
        const std::string kde = kdeJsme(*hra_);
        ++v_.kde[kde];
        e = vstup_.dalsi(*hra_);
        if (stopa)
            *stopa << v_.udalosti + 1 << " " << now_ << " [" << kde << "] " << popis(e) << "\n";
        g_udalost = ++v_.udalosti;
        doruceno_ = now_;
        cekaNaOddech_ = true;
        return true;
    }

    void wait(uint32_t ms) override {
        if (cekaNaOddech_) {
            v_.maxCasUdalosti = std::max(v_.maxCasUdalosti, now_ - doruceno_);
            cekaNaOddech_ = false;
            if (hra_) dalsiAz_ = now_ + vstup_.prodleva(*hra_);
        }
        v_.maxBezOddechu = std::max(v_.maxBezOddechu, now_ - oddech_);
        v_.maxSmycek = std::max(v_.maxSmycek, smycky_);
        now_ += ms;
        oddech_ = now_;
        smycky_ = 0;
        cteni_ = 0;
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

    std::ostream* stopa = nullptr;
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

    static std::string kdeJsme(HerniAplikace& hra) {
        const Window* top = hra.ctx().app.top();
        if (top && top != &hra.screen().form()) return top->name;
        if (hra.stav().Faze == Phase::Intro) return "intro";
        if (hra.ctx().app.timer().Interval() == 0)
            return "menu " + std::to_string(hra.menu().MenuObrazovka);
        return hra.stav().Faze == Phase::Browse ? "viewer" : "game";
    }

    // At rest: the windows and screens shown, the games, and the tiles.
    void sleduj(HerniAplikace& hra) {
        Window* top = hra.ctx().app.top();
        const bool hlavni = top == &hra.screen().form();
        if (top && (top != top_ || top->name != topJmeno_)) {
            top_ = top;
            topJmeno_ = top->name;
            if (!hlavni) ++v_.okna[top->name];
            if (top->name == "TKonecForm") ++v_.hryDokoncene;
            if (top->name == "TZprava") chybovyBox(*top);
        }
        const GameState& s = hra.stav();
        if (hlavni && hra.ctx().app.timer().Interval() == 0 && s.Faze != Phase::Intro &&
            hra.menu().MenuObrazovka != obrazovka_) {
            obrazovka_ = hra.menu().MenuObrazovka;
            ++v_.obrazovky[obrazovka_];
        }
        if (std::all_of(s.Pytel.begin() + 1, s.Pytel.end(), [](int t) { return t == 0; }))
            return;  // no game dealt yet
        const std::string c = checkTiles(s);
        if (!c.empty()) nalez("tiles: " + c);
        if (s.Faze != Phase::Browse && s.Rozdano) {
            // A new shuffle (or a loaded game) moves most of the bag; an
            // exchange or a step back only a few tiles.
            int jinde = 0;
            for (int i = 1; i <= kTiles; ++i) jinde += s.Pytel[i] != pytel_[i];
            if (jinde > 30) {
                ++v_.hryZacate;
                posledniTah_ = s.PosledniTah;
            }
            pytel_ = s.Pytel;
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
    uint32_t now_ = 1000, oddech_ = 1000, doruceno_ = 0, dalsiAz_ = 0;
    long smycky_ = 0;
    int cteni_ = 0;
    bool cekaNaOddech_ = false;
    bool quit_ = false;
    const Window* top_ = nullptr;
    std::string topJmeno_;
    int obrazovka_ = -1;
    decltype(GameState::Pytel) pytel_{};
    int posledniTah_ = 0;
};

std::vector<std::string> argumenty(const SoakNastaveni& n, int relace) {
    std::vector<std::string> a{"--window",
                               "--root",
                               n.root.string(),
                               "--user-dir",
                               n.userDir.string(),
                               "--seed",
                               std::to_string(n.seed * 1000 + relace)};
    // Some sessions begin past the intro, some right in a game.
    if (relace == 0 && n.seed % 3 == 1) a.push_back("--new-game");
    if (n.seed % 3 == 2) a.push_back("--no-intro");
    return a;
}

}  // namespace

long soakUdalost() {
    return g_udalost;
}

SoakVysledek soak(const SoakNastaveni& n) {
    (void)kDummyDrivers;
    SoakVysledek v;
    NahodnyVstup vstup(n.seed);
    Pohon pohon(vstup, n.udalosti, v);
    pohon.stopa = n.stopa;
    g_udalost = 0;
    while (!pohon.konec()) {
        std::string proc;
        AppDrivers d{.events = &pohon,
                     .ticks = &pohon,
                     .slovnik = n.slovnik,
                     .onStart =
                         [&pohon](HerniAplikace& hra) {
                             hra.screen().pauzaSnimku = 0;
                             pohon.pripoj(&hra);
                         },
                     .zprava = [&proc](const std::string& text) { proc = text; }};
        std::optional<std::string> chyba;
        try {
            const int rc = runApplication(argumenty(n, v.relace), "tavik-borun", d);
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

std::unique_ptr<MemoryWordStore> soakSlovnik() {
    static const char* const kSlova[] = {
        "a",     "ale",  "ano",   "auto", "bez",  "byl",  "by",   "cesta", "co",   "čas",   "den",
        "dva",   "dům",  "e",     "hora", "hrad", "já",   "jak",  "je",    "jed",  "jeden", "jen",
        "kde",   "kdo",  "kolo",  "kost", "kos",  "krok", "les",  "led",   "lev",  "list",  "lod",
        "loď",   "malý", "máma",  "med",  "mez",  "mír",  "most", "my",    "na",   "nad",   "nebo",
        "nos",   "nota", "noc",   "nový", "o",    "od",   "oko",  "on",    "ona",  "oni",   "osa",
        "pan",   "pes",  "pec",   "pero", "pivo", "po",   "pod",  "pole",  "pro",  "rok",   "ruka",
        "ryba",  "řeka", "sen",   "se",   "sed",  "sek",  "seno", "síla",  "sklo", "slon",  "sto",
        "strom", "sůl",  "šat",   "ta",   "tak",  "ten",  "to",   "tok",   "tón",  "tu",    "ty",
        "u",     "už",   "v",     "vata", "vek",  "věk",  "víno", "voda",  "vůz",  "z",     "za",
        "zase",  "žena", "život", "at",   "ty",   "ne",   "ni",   "in",    "od",   "dno",   "ani",
        "kat",   "kot",  "rak",   "sak",  "tak",  "les",  "kil",  "lak",   "las",  "pas",   "pat",
        "pata",  "rek",  "ret",   "rty",  "sok",  "sad",  "sady", "tam",   "tma",  "um",    "ucho",
        "val",   "vak",  "vir",   "oba",  "obr",  "ode",  "oka",  "oči",   "oves", "pila",  "plot",
        "prak",  "sen",  "sever", "sova", "stan", "stop", "svět", "syn",   "tele", "tety",  "teta",
        "topol", "trn",  "trh",   "uzel", "vlak", "vrak", "zub",  "žák",
    };
    auto slovnik = std::make_unique<MemoryWordStore>();
    auto kurzor = slovnik->openCursor();
    for (const char* s : kSlova) {
        const std::string w = utf8ToCp1250(s);
        if (!kurzor->Lookup(w)) kurzor->InsertWord(w);
    }
    return slovnik;
}

}  // namespace tb::test
