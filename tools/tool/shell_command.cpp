// shell: a whole game driven by text, one command a line on standard input,
// through the turn cycle, move checks, record and computer player of the
// window, with seeded chance and a clock that moves only when told.

#include <algorithm>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>

#include "engine/ai/computer_turn.h"
#include "engine/game/clock_text.h"
#include "engine/game/hra.h"
#include "engine/game/move.h"
#include "engine/game/move_preview.h"
#include "engine/game/tiles.h"
#include "engine/record/replay.h"
#include "engine/saves/game_record_slot.h"
#include "engine/saves/saved_game.h"
#include "engine/saves/slot_files.h"
#include "engine/saves/user_settings.h"
#include "files/text.h"
#include "tools/tool/commands.h"
#include "tools/tool/game_checks.h"
#include "tools/tool/move_input.h"

namespace tb::tool {
namespace {

// The error dialogs answered as `next` asks, the rack slots marked for an
// exchange, the board of a loaded game revealed, the end of the game noted.
class ShellUi : public OdpovidajiciUi {
  public:
    ShellUi(std::ostream& out, GameState& s)
        : OdpovidajiciUi(out, DialogVolba::OpravimSam), s_(s) {}

    bool KonecHryBox(const Vysledek&) override {
        // The seat before the one on move went out, unless the passes ended it.
        const int q = s_.NaTahu == 1 ? s_.PocetHracu : s_.NaTahu - 1;
        vitez = s_.PocetVzdani == 2 * s_.PocetHracu ? 0 : q;
        konec = true;
        delka = casText(s_.SekundHry);
        return false;
    }
    bool OznacenKVymene(int slot) override { return znacky[static_cast<size_t>(slot)]; }
    void ZrusOznaceni(int slot) override { znacky[static_cast<size_t>(slot)] = false; }
    void ObnovenaHra() override { LoadZobrazPole(s_); }

    bool konec = false;
    int vitez = 0;
    std::string delka;  // the finished game's length, as its total-time clock shows it
    Arr1<bool, kRack> znacky{};

  private:
    GameState& s_;
};

// One game with everything the turn cycle reaches.
struct Partie {
    Partie(ToolEnv& env, uint64_t seed)
        : ui(env.out, s),
          rnd(seed),
          zapis(env.user()),
          kurzorHry(env.store().openCursor()),
          kurzorPC(env.store().openCursor()),
          hra(s, ui, rnd, *kurzorHry, zapis),
          pc(hra, *kurzorPC, &env.mistr()) {
        hra.setComputerPlayer(&pc);
    }
    GameState s;
    ShellUi ui;
    Nahoda rnd;
    TZapis zapis;
    std::unique_ptr<WordCursor> kurzorHry, kurzorPC;
    Hra hra;
    PocitacovyHrac pc;
};

class Shell {
  public:
    explicit Shell(ToolEnv& env) : env_(env), out_(env.out) {}

    // Runs one command line; false when the shell ends.
    bool prikaz(const std::string& radek) {
        std::istringstream in(radek);
        std::vector<std::string> slova;
        for (std::string w; in >> w;) slova.push_back(w);
        if (slova.empty()) return true;
        const std::string jmeno = slova.front();
        slova.erase(slova.begin());
        if (jmeno == "quit") return false;
        try {
            if (p_) p_->ui.konec = false;
            const auto prikaz = prikazy().find(jmeno);
            if (prikaz == prikazy().end()) throw UsageError("unknown command: " + jmeno);
            prikaz->second(*this, slova);
            out_ << "ok\n";
        } catch (const std::exception& e) {
            out_ << "error: " << e.what() << '\n';
        }
        out_.flush();
        return true;
    }

    // The first tile out of its one place, empty when every tile is in one.
    std::string porucha() const { return p_ ? checkTiles(p_->s) : std::string(); }

  private:
    using Slova = std::vector<std::string>;
    // Every command but quit, by name.
    static const std::map<std::string, std::function<void(Shell&, const Slova&)>>& prikazy() {
        static const std::map<std::string, std::function<void(Shell&, const Slova&)>> vse = {
            {"new", &Shell::novaHra},
            {"show", [](Shell& sh, const Slova&) { sh.ukaz(); }},
            {"lay", &Shell::poloz},
            {"lift", &Shell::zvedni},
            {"next", &Shell::dalsi},
            {"hint", [](Shell& sh, const Slova& w) { sh.napoveda(w, false); }},
            {"hint-lay", [](Shell& sh, const Slova& w) { sh.napoveda(w, true); }},
            {"tick", &Shell::tikej},
            {"exchange", &Shell::vymen},
            {"save", &Shell::uloz},
            {"load", &Shell::nahraj},
            {"back", [](Shell& sh, const Slova& w) { sh.krok(w, true); }},
            {"forward", [](Shell& sh, const Slova& w) { sh.krok(w, false); }},
            {"save-record", &Shell::ulozPrubeh},
            {"browse", &Shell::prohlizej},
            {"check", &Shell::zkontroluj},
        };
        return vse;
    }

    Partie& hrajici() {
        if (!p_) throw UsageError("no game: start one with new");
        if (p_->s.Faze != Phase::Play) throw UsageError("the game is over");
        return *p_;
    }

    static int cislo(const std::string& co, const std::string& text, int od, int po) {
        size_t konec = 0;
        int n = 0;
        try {
            n = std::stoi(text, &konec);
        } catch (const std::exception&) {
            konec = 0;
        }
        if (konec == 0 || konec != text.size() || n < od || n > po)
            throw UsageError(co + " must be " + std::to_string(od) + ".." + std::to_string(po));
        return n;
    }

    void novaHra(const std::vector<std::string>& slova) {
        std::string mista;
        int seed = 1, min = 2, limit = 0;
        for (const auto& w : slova) {
            if (w == "P" || w == "C" || w == "M")
                mista += w;
            else if (w.starts_with("seed="))
                seed = cislo("seed", w.substr(5), 0, 1'000'000'000);
            else if (w.starts_with("min="))
                min = cislo("min", w.substr(4), 1, kBoard);
            else if (w.starts_with("limit="))
                limit = cislo("limit", w.substr(6), 0, 24 * 3600);
            else
                throw UsageError("new: not a seat or option: " + w);
        }
        if (mista.size() < 2 || mista.size() > static_cast<size_t>(kSeats))
            throw UsageError("new needs 2 to 4 seats, P, C or M");
        p_.reset();  // one game at a time writes the record
        p_ = std::make_unique<Partie>(env_, static_cast<uint64_t>(seed));
        GameState& s = p_->s;
        dejVsechnaPismena(s);
        s.PocetHracu = static_cast<int>(mista.size());
        s.MinPismen = min;
        s.SLimitem = limit > 0;
        s.LimitTahu = limit;
        for (int p = 1; p <= s.PocetHracu; ++p) {
            const char m = mista[static_cast<size_t>(p - 1)];
            s.VolbaPC[p] = m == 'M' ? kMistr : m == 'C' ? kPocitac : kClovek;
            s.Hraci[p].Jmeno = vychoziJmeno(p, s.VolbaPC[p]);
        }
        s.Faze = Phase::NewGame;
        p_->hra.NastavCasovac(true, 1);
        p_->hra.frameTick();
        tahyPocitace(1);
    }

    // The moves of records `od`.. (a computer's, or a person's ended by the
    // clock) and the end of the game.
    void tahyPocitace(int od) {
        const GameState& s = p_->s;
        const auto radky = p_->zapis.radky();
        for (int z = od; z < s.CisloTahu; ++z) {
            const size_t r = static_cast<size_t>(z) * kRadkuZaznamu;
            if (r + kRadkuZaznamu > radky.size()) break;
            const std::string rozpis = cp1250ToUtf8(radky[r + 1]);
            const std::string& hrac = radky[r - kRadkuZaznamu + 4];
            out_ << (s.VolbaPC[std::stoi(hrac)] ? "computer\t" : "timeout\t") << hrac << '\t'
                 << rozpis << '\t' << bodyRozpisu(rozpis) << '\n';
        }
        if (p_->ui.konec) out_ << "over\t" << p_->ui.vitez << '\n';
    }

    void ukaz() {
        if (!p_) throw UsageError("no game: start one with new");
        ukazHru(out_, p_->s);
    }

    void poloz(const std::vector<std::string>& slova) {
        GameState& s = hrajici().s;
        if (slova.empty()) throw UsageError("lay needs X,Y=LETTER");
        const GameState pred = s;
        try {
            for (const auto& w : slova) tool::poloz(s, rozeber(w), w);
        } catch (const std::exception&) {
            s = pred;  // the tiles laid before the faulty one go back
            throw;
        }
        nahled();
    }

    // What the next-move button would make of the tiles on the board.
    void nahled() {
        const NahledTahu n = nahledTahu(p_->s, *p_->kurzorHry);
        switch (n.druh) {
            case NahledTahu::Druh::Prazdny:
                return;
            case NahledTahu::Druh::Platny:
                out_ << "preview\tok\t" << cp1250ToUtf8(n.rozpis) << '\t' << n.body << '\n';
                return;
            case NahledTahu::Druh::Pravidlo:
                out_ << "preview\trule\t" << n.kod << '\t' << cp1250ToUtf8(n.slovo) << '\n';
                return;
            case NahledTahu::Druh::Nezname:
                out_ << "preview\tunknown\t" << cp1250ToUtf8(n.slovo) << '\n';
                return;
        }
    }

    void zvedni(const std::vector<std::string>& slova) {
        GameState& s = hrajici().s;
        if (slova.size() != 1) throw UsageError("lift needs X,Y");
        const Polozeni p = rozeberPole(slova[0]);
        if (vratNaStojan(s, p.x, p.y) == 0) throw UsageError("no tile of this move on " + slova[0]);
        nahled();
    }

    void dalsi(const std::vector<std::string>& slova) {
        Partie& p = hrajici();
        if (slova.size() > 1) throw UsageError("next takes one answer");
        p.ui.odpovidej(tlacitko(slova.empty() ? "self" : slova[0]));
        ukonciTah([&] { p.hra.PrehazujClick(); });
    }

    // Ends the move by `konec` and prints how it ended and what followed.
    void ukonciTah(const std::function<void()>& konec, bool vymena = false) {
        Partie& p = *p_;
        GameState& s = p.s;
        const int tah = s.CisloTahu;
        konec();
        if (s.CisloTahu == tah && !p.ui.konec) {
            out_ << "refused\n";
            return;
        }
        const std::string rozpis = rozpisTahu(p.zapis, tah);
        if (vymena)
            out_ << "exchanged\n";
        else if (rozpis.empty())
            out_ << "passed\n";
        else
            out_ << "accepted\t" << rozpis << '\t' << bodyRozpisu(rozpis) << '\n';
        tahyPocitace(tah + 1);
    }

    // The hint button: lists the candidates, or lays candidate N and ends the move.
    void napoveda(const std::vector<std::string>& slova, bool poloz) {
        Partie& p = hrajici();
        if (slova.size() != (poloz ? 1U : 0U))
            throw UsageError(poloz ? "hint-lay needs N" : "hint takes nothing");
        if (jeNovyKamen(p.s)) throw UsageError("tiles of this move lie on the board");
        if (!poloz) {
            p.pc.TipClick([&](const TAI& ai, const NejlepsiTahy&) {
                vypisKandidaty(out_, ai);
                return 0;
            });
            return;
        }
        const int n = cislo("N", slova[0], 1, TAI::kMaxKandidatu);
        TAI hledani(*p.kurzorPC);
        hledani.findCandidates(p.s);
        if (n > hledani.PocetKandidatu) throw UsageError("no candidate " + slova[0]);
        p.ui.odpovidej(DialogVolba::OpravimSam);
        ukonciTah([&] { p.pc.TipClick([n](const TAI&, const NejlepsiTahy&) { return n; }); });
    }

    // Marks the letters on the rack and clicks the exchange button twice.
    void vymen(const std::vector<std::string>& slova) {
        Partie& p = hrajici();
        const GameState& s = p.s;
        std::string pismena;
        for (const auto& w : slova) pismena += lowerAZ(utf8ToCp1250(w));
        if (pismena.empty()) throw UsageError("exchange needs letters");
        Arr1<bool, kRack> znacky{};
        for (const char c : pismena) {
            int slot = 1;
            while (slot <= kRack &&
                   (znacky[static_cast<size_t>(slot)] || s.Zasobnik[s.NaTahu][slot] == 0 ||
                    s.Kameny[s.Zasobnik[s.NaTahu][slot]].Pismeno[0] != c))
                ++slot;
            if (slot > kRack)
                throw UsageError("the letter is not on the rack of the seat on move: " +
                                 cp1250ToUtf8(std::string(1, c)));
            znacky[static_cast<size_t>(slot)] = true;
        }
        if (jeNovyKamen(s)) {
            out_ << "refused\ttiles on the board\n";
            return;
        }
        if (s.Vytazeno == kTiles) {
            out_ << "refused\tbag too small\n";
            return;
        }
        p.hra.VymenitClick();
        p.ui.znacky = znacky;
        ukonciTah([&] { p.hra.VymenitClick(); }, true);
        p.ui.znacky = {};
    }

    static int slotHry(const std::vector<std::string>& slova) {
        if (slova.size() != 1) throw UsageError("a slot 1..10 is needed");
        return cislo("the slot", slova[0], 1, 10);
    }

    // The save of the in-game menu: the tiles of this move go back to the rack.
    void uloz(const std::vector<std::string>& slova) {
        Partie& p = hrajici();
        const int n = slotHry(slova);
        vratNoveKameny(p.s);
        SaveAndExit(p.s, env_.user(), n, dnesniDatum());
    }

    // The record save of a finished game (its menu's "Uložit průběh").
    void ulozPrubeh(const std::vector<std::string>& slova) {
        if (!p_ || p_->ui.delka.empty()) throw UsageError("no finished game to save as a record");
        SavePr(p_->s, env_.user(), slotHry(slova), dnesniDatum(), p_->ui.delka);
    }

    // The load screen: the slot replaces the game, which resumes.
    void nahraj(const std::vector<std::string>& slova) {
        const int n = slotHry(slova);
        std::unique_ptr<Partie> nova;
        if (!p_) nova = std::make_unique<Partie>(env_, 1);
        Partie& p = p_ ? *p_ : *nova;
        LoadGame(p.s, env_.user(), n);
        if (nova) p_ = std::move(nova);
        p.hra.NastavCasovac(true, 1);
        const int tah = p.s.CisloTahu;
        p.hra.frameTick();
        tahyPocitace(tah);
    }

    // One step through the record; refused where the button is dark.
    void krok(const std::vector<std::string>& slova, bool zpet) {
        if (!p_ || (p_->s.Faze != Phase::Play && p_->s.Faze != Phase::Browse))
            throw UsageError("no game to step through");
        if (!slova.empty()) throw UsageError("back and forward take nothing");
        Partie& p = *p_;
        if ((zpet ? TestZmenaTahuVzad : TestZmenaTahuVpred)(p.s, p.ui, false) == 0) {
            out_ << "refused\n";
            return;
        }
        (zpet ? ZpetClick : VpredClick)(p.s, p.ui, p.zapis);
    }

    // The results box's other choice, made later: the finished game from its first move.
    void prohlizej(const std::vector<std::string>& slova) {
        if (!p_ || p_->s.Faze != Phase::Menu) throw UsageError("no finished game to browse");
        if (!slova.empty()) throw UsageError("browse takes nothing");
        p_->hra.prohlizej();
    }

    void tikej(const std::vector<std::string>& slova) {
        Partie& p = hrajici();
        if (slova.size() != 1) throw UsageError("tick needs SECONDS");
        const int sekund = cislo("SECONDS", slova[0], 0, 24 * 3600);
        const int tah = p.s.CisloTahu;
        for (int i = 0; i < sekund && p.s.Faze == Phase::Play; ++i) p.hra.frameTick();
        tahyPocitace(tah);
    }

    void zkontroluj(const std::vector<std::string>& slova) {
        if (!p_) throw UsageError("no game: start one with new");
        if (!slova.empty()) throw UsageError("check takes nothing");
        const GameState& s = p_->s;
        auto radky = p_->zapis.radky();
        // Stepped back, the scores are those of the records up to the position shown.
        if (s.CisloTahu < s.PosledniTah)
            radky.resize(std::min(radky.size(), static_cast<size_t>(s.CisloTahu) * kRadkuZaznamu));
        for (const std::string& chyba : {checkTiles(s), kontrolaBodu(s, radky)})
            if (!chyba.empty()) throw UsageError(chyba);
    }

    ToolEnv& env_;
    std::ostream& out_;
    std::unique_ptr<Partie> p_;
};

}  // namespace

int shellCommand(ToolEnv& env) {
    if (!env.args().empty()) throw UsageError("shell: unexpected " + env.args().front());
    env.store();  // a missing dictionary ends the shell before the first command
    Shell shell(env);
    for (std::string radek; std::getline(env.in, radek);) {
        if (!radek.empty() && radek.back() == '\r') radek.pop_back();
        const bool dal = shell.prikaz(radek);
        if (const std::string chyba = shell.porucha(); !chyba.empty()) {
            env.out << "invariant broken: " << chyba << std::endl;
            return 1;
        }
        if (!dal) break;
    }
    return 0;
}

}  // namespace tb::tool
