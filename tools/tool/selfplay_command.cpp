// selfplay: whole games of computer seats through the real turn cycle,
// checking the invariants of the game after every move.

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <vector>

#include "engine/ai/computer_turn.h"
#include "engine/game/hra.h"
#include "engine/game/move.h"
#include "engine/game/tiles.h"
#include "engine/record/move_record.h"
#include "engine/saves/user_settings.h"
#include "tools/tool/commands.h"
#include "tools/tool/game_checks.h"

namespace tb::tool {
namespace {

// Processor time of this thread: on a busy machine the wall clock also
// counts the time other programs had the processor.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A broken invariant; ends the run with exit code 1.
struct Porusena {
    std::string co;
};

void over(const std::string& chyba) {
    if (!chyba.empty()) throw Porusena{chyba};
}

// What the seats of one level did over the run.
struct Uroven {
    std::vector<double> ms, cpu;  // search time of each move
    int vyhry = 0, body = 0;
};

// The computer seat that checks the position it finds and times its search.
class MerenyHrac : public PocitacovyHrac {
  public:
    MerenyHrac(Hra& hra, WordCursor& kurzor, const TZapis& zapis, Mistr& mistr,
               std::ostream* casovani)
        : PocitacovyHrac(hra, kurzor, &mistr), hra_(hra), zapis_(zapis), casovani_(casovani) {}

    std::vector<double> ms, cpu;
    Arr1<Uroven, 2> urovne{};  // the computer player, the master

  protected:
    bool hledej(Kandidat& tah) override {
        const GameState& s = hra_.stav();
        over(checkTiles(s));
        over(kontrolaBodu(s, zapis_.radky()));
        over(kontrolaZaznamu(s, zapis_));
        // All seats are computers: a game where no one can ever lay the
        // first word would pass for ever.
        if (ms.size() > 2000) throw Porusena{"the game does not end"};
        const auto t0 = std::chrono::steady_clock::now();
        const double c0 = cpuMs();
        const bool je = PocitacovyHrac::hledej(tah);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count());
        cpu.push_back(cpuMs() - c0);
        Uroven& u = urovne[hrajeMistr() ? kMistr : kPocitac];
        u.ms.push_back(ms.back());
        u.cpu.push_back(cpu.back());
        if (casovani_)
            *casovani_ << "move " << ms.size() << " seat " << s.NaTahu << ' '
                       << (hrajeMistr() ? 'M' : 'C') << " ms " << ms.back() << '\n';
        return je;
    }

  private:
    Hra& hra_;
    const TZapis& zapis_;
    std::ostream* casovani_;
};

class TichaObrazovka : public GameUi {
  public:
    bool KonecHryBox(const Vysledek&) override {
        konec = true;
        return false;
    }
    bool konec = false;
};

struct Nastaveni {
    int hracu, minPismen;
    std::optional<std::filesystem::path> zaznamy;
    Arr1<int32_t, kSeats> urovne{};
    bool casovani = false;
};

std::string ms(double v) {
    std::ostringstream o;
    o.precision(2);
    o << std::fixed << v;
    return o.str();
}

// Plays game i; returns its summary line.
std::string hra(ToolEnv& env, const Nastaveni& n, int i, uint64_t seed, std::vector<double>& vse,
                std::vector<double>& vseCpu, Arr1<Uroven, 2>& urovne) {
    GameState s;
    dejVsechnaPismena(s);
    TichaObrazovka ui;
    Nahoda rnd(seed);
    TZapis zapis(env.user());
    auto kurzorHry = env.store().openCursor();
    auto kurzorPC = env.store().openCursor();
    Hra h(s, ui, rnd, *kurzorHry, zapis);
    MerenyHrac pc(h, *kurzorPC, zapis, env.mistr(), n.casovani ? &env.err : nullptr);
    h.setComputerPlayer(&pc);
    s.PocetHracu = n.hracu;
    s.MinPismen = n.minPismen;
    for (int p = 1; p <= kSeats; ++p) {
        s.VolbaPC[p] = p <= n.hracu ? n.urovne[p] : kClovek;
        s.Hraci[p].Jmeno = vychoziJmeno(p, n.urovne[p]);
    }
    s.Faze = Phase::NewGame;
    h.NastavCasovac(true, 1);
    h.frameTick();
    if (!ui.konec) throw Porusena{"game " + std::to_string(i) + " did not end"};
    over(checkTiles(s));
    over(kontrolaBodu(s, zapis.radky()));
    if (n.zaznamy)
        std::filesystem::copy_file(zapis.mainDat(),
                                   *n.zaznamy / ("game-" + std::to_string(i) + ".dat"),
                                   std::filesystem::copy_options::overwrite_existing);

    std::ostringstream line;
    line << "game " << i << ": moves " << pc.ms.size() << ", scores";
    int vitez = 0, nejvic = 0;
    for (int p = 1; p <= n.hracu; ++p) {
        const int b = s.Hraci[p].BodyCelkem;
        line << ' ' << b;
        if (p == 1 || b > nejvic) {
            vitez = p;
            nejvic = b;
        } else if (b == nejvic) {
            vitez = 0;
        }
    }
    for (int u = kPocitac; u <= kMistr; ++u) {
        auto& cil = urovne[u];
        cil.ms.insert(cil.ms.end(), pc.urovne[u].ms.begin(), pc.urovne[u].ms.end());
        cil.cpu.insert(cil.cpu.end(), pc.urovne[u].cpu.begin(), pc.urovne[u].cpu.end());
    }
    for (int p = 1; p <= n.hracu; ++p) urovne[n.urovne[p]].body += s.Hraci[p].BodyCelkem;
    if (vitez != 0) ++urovne[n.urovne[vitez]].vyhry;
    std::vector<double> t = pc.ms;
    std::sort(t.begin(), t.end());
    vse.insert(vse.end(), t.begin(), t.end());
    vseCpu.insert(vseCpu.end(), pc.cpu.begin(), pc.cpu.end());
    line << ", winner " << vitez << ", search ms median " << ms(t.empty() ? 0 : t[t.size() / 2])
         << " max " << ms(t.empty() ? 0 : t.back());
    return line.str();
}

}  // namespace

int selfplayCommand(ToolEnv& env) {
    const int games = env.takeIntOption("--games", 1);
    const int seed = env.takeIntOption("--seed", 1);
    Nastaveni n{env.takeIntOption("--players", 2), env.takeIntOption("--min-letters", 2), {}};
    if (const auto dir = env.takeOption("--record-dir")) n.zaznamy = *dir;
    n.urovne.fill(kPocitac);
    if (const auto urovne = env.takeOption("--levels")) {
        // C the computer player, M the master, one letter a seat.
        std::string u = *urovne;
        std::erase(u, ',');
        if (u.size() < 2 || u.size() > kSeats || u.find_first_not_of("CM") != std::string::npos)
            throw UsageError("--levels is C or M for each of 2..4 seats, as C,M");
        for (size_t p = 0; p < u.size(); ++p) n.urovne[p + 1] = u[p] == 'M' ? kMistr : kPocitac;
        n.hracu = static_cast<int>(u.size());
    }
    n.casovani = env.takeFlag("--timing");
    if (!env.args().empty()) throw UsageError("selfplay: unexpected " + env.args().front());
    if (n.hracu < 2 || n.hracu > kSeats) throw UsageError("--players must be 2..4");
    if (n.minPismen < 1 || n.minPismen > kBoard) throw UsageError("--min-letters must be 1..15");
    if (n.zaznamy) std::filesystem::create_directories(*n.zaznamy);

    env.store();  // loaded before the clock starts
    std::vector<double> vse, vseCpu;
    Arr1<Uroven, 2> urovne{};
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = cpuMs();
    try {
        for (int i = 1; i <= games; ++i)
            env.out << hra(env, n, i, static_cast<uint64_t>(seed) + i, vse, vseCpu, urovne)
                    << std::endl;
    } catch (const Porusena& p) {
        env.out << "invariant broken: " << p.co << std::endl;
        return 1;
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpuS = (cpuMs() - c0) / 1e3;
    for (int u = kPocitac; u <= kMistr; ++u) {
        Uroven& v = urovne[u];
        if (v.ms.empty()) continue;
        std::sort(v.ms.begin(), v.ms.end());
        std::sort(v.cpu.begin(), v.cpu.end());
        env.out << (u == kMistr ? "master" : "computer") << ": won " << v.vyhry << ", points "
                << v.body << " in " << v.ms.size() << " moves, "
                << ms(static_cast<double>(v.body) / static_cast<double>(v.ms.size())) << " a move"
                << std::endl;
        env.err << (u == kMistr ? "master" : "computer") << " search ms median "
                << ms(v.ms[v.ms.size() / 2]) << " max " << ms(v.ms.back()) << " (processor "
                << ms(v.cpu[v.cpu.size() / 2]) << " / " << ms(v.cpu.back()) << ")\n";
    }
    env.out << games << " games, invariants ok" << std::endl;
    // The figures of the whole run, by the wall clock and in processor time.
    std::sort(vse.begin(), vse.end());
    std::sort(vseCpu.begin(), vseCpu.end());
    if (!vse.empty())
        env.err << "search ms median " << ms(vse[vse.size() / 2]) << " max " << ms(vse.back())
                << " (processor " << ms(vseCpu[vseCpu.size() / 2]) << " / " << ms(vseCpu.back())
                << "), games/s " << ms(games / s) << " (processor " << ms(games / cpuS) << ")\n";
    return 0;
}

}  // namespace tb::tool
