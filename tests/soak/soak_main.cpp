// The long soak: tb_soak [events] [first seed] [seeds] (SOAK_ROOT: the
// installation root, SOAK_TRACE: every event on stderr). The events are split
// over the seeds; each seed plays its own stream on a fresh user directory.
// Prints the figures and, for every fault, the command that replays it.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>

#include "soak/soak_driver.h"

namespace {

uint64_t g_seed = 0;

// A crash cannot be reported by the driver: say where it happened.
void priPadu(int sig) {
    char buf[160];
    const int n =
        std::snprintf(buf, sizeof buf, "\nCRASH (signal %d) in seed %llu after event %ld\n", sig,
                      static_cast<unsigned long long>(g_seed), tb::test::soakUdalost());
    if (n > 0 && write(2, buf, static_cast<size_t>(n)) < 0) std::_Exit(1);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

long cislo(const char* s, long jinak) {
    return s ? std::strtol(s, nullptr, 10) : jinak;
}

}  // namespace

int main(int argc, char** argv) {
    const long udalosti = cislo(argc > 1 ? argv[1] : nullptr, 100000);
    const uint64_t prvni = static_cast<uint64_t>(cislo(argc > 2 ? argv[2] : nullptr, 1));
    const long semen = std::max(1L, cislo(argc > 3 ? argv[3] : nullptr, 10));
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) std::signal(sig, priPadu);

    const auto zacatek = std::chrono::steady_clock::now();
    const std::clock_t cpu0 = std::clock();
    const auto temp =
        std::filesystem::temp_directory_path() / ("tb-soak-" + std::to_string(getpid()));
    tb::test::SoakVysledek celkem;
    long relaci = 0, chyb = 0;
    for (long i = 0; i < semen; ++i) {
        g_seed = prvni + static_cast<uint64_t>(i);
        const long kolik = udalosti / semen + (i < udalosti % semen ? 1 : 0);
        auto slovnik = tb::test::soakSlovnik();
        tb::test::SoakNastaveni n;
        n.seed = g_seed;
        n.udalosti = kolik;
        // A build of the soak alone (with sanitizers, say) borrows another's pictures.
        const char* root = std::getenv("SOAK_ROOT");
        n.root = root ? root : TB_ROOT_DIR;
        n.userDir = temp / ("seed-" + std::to_string(g_seed));
        n.slovnik = slovnik.get();
        if (std::getenv("SOAK_TRACE")) n.stopa = &std::cerr;
        std::filesystem::create_directories(n.userDir);
        const tb::test::SoakVysledek v = tb::test::soak(n);
        std::printf("seed %llu: %ld events, %d sessions, %d games, %ld moves%s\n",
                    static_cast<unsigned long long>(g_seed), v.udalosti, v.relace, v.hryZacate,
                    v.tahy, v.chyba.empty() ? "" : ", FAULT");
        if (!v.chyba.empty()) {
            ++chyb;
            std::printf(
                "  FAULT after event %ld: %s\n  replay: scripts/soak %ld %llu 1\n"
                "  files: %s\n",
                v.chybaPoUdalosti, v.chyba.c_str(), v.chybaPoUdalosti,
                static_cast<unsigned long long>(g_seed), n.userDir.c_str());
        } else {
            std::filesystem::remove_all(n.userDir);
        }
        std::fflush(stdout);
        celkem.udalosti += v.udalosti;
        relaci += v.relace;
        celkem.hryZacate += v.hryZacate;
        celkem.hryDokoncene += v.hryDokoncene;
        celkem.tahy += v.tahy;
        for (const auto& [k, m] : v.okna) celkem.okna[k] += m;
        for (const auto& [k, m] : v.obrazovky) celkem.obrazovky[k] += m;
        for (const auto& [k, m] : v.kde) celkem.kde[k] += m;
        celkem.maxCasUdalosti = std::max(celkem.maxCasUdalosti, v.maxCasUdalosti);
        celkem.maxBezOddechu = std::max(celkem.maxBezOddechu, v.maxBezOddechu);
        celkem.maxSmycek = std::max(celkem.maxSmycek, v.maxSmycek);
        celkem.pinovanyCas += v.pinovanyCas / 1000;
    }
    if (chyb == 0) std::filesystem::remove_all(temp);

    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - zacatek).count();
    const double cpu = static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
    long okna = 0;
    for (const auto& [k, m] : celkem.okna) okna += m;
    std::printf("\nevents %ld, seeds %ld (from %llu), sessions %ld\n", celkem.udalosti, semen,
                static_cast<unsigned long long>(prvni), relaci);
    std::printf("games started %d, finished %d, moves %ld\n", celkem.hryZacate, celkem.hryDokoncene,
                celkem.tahy);
    std::printf("windows opened %ld:", okna);
    for (const auto& [k, m] : celkem.okna) std::printf(" %s %d", k.c_str(), m);
    std::printf("\nmenu screens entered:");
    for (const auto& [k, m] : celkem.obrazovky) std::printf(" %d:%d", k, m);
    std::printf("\nevents went to:");
    for (const auto& [k, m] : celkem.kde) std::printf(" [%s] %ld", k.c_str(), m);
    std::printf(
        "\nmax pinned ms per event %u, max pinned ms without rest %u, max loop passes %ld\n",
        celkem.maxCasUdalosti, celkem.maxBezOddechu, celkem.maxSmycek);
    std::printf("pinned time %u s; wall %.1f s, cpu %.1f s, %.0f events/s\n", celkem.pinovanyCas, s,
                cpu, celkem.udalosti / (s > 0 ? s : 1));
    std::printf("faults %ld\n", chyb);
    return chyb == 0 ? 0 : 1;
}
