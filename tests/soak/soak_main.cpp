// The long soak: tb_soak [events] [first seed] [seeds] (SOAK_ROOT: the installation root).
// Prints what each seed reached and, for every fault, the command that replays it.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "soak/soak_driver.h"

int main(int argc, char** argv) {
    const auto cislo = [&](int i, long jinak) {
        return argc > i ? std::strtol(argv[i], nullptr, 10) : jinak;
    };
    const long udalosti = cislo(1, 100000);
    const auto prvni = static_cast<uint64_t>(cislo(2, 1));
    const long semen = std::max(1L, cislo(3, 10));
    const auto temp =
        std::filesystem::temp_directory_path() / ("tb-soak-" + std::to_string(getpid()));
    long chyb = 0;
    for (long i = 0; i < semen; ++i) {
        const uint64_t seed = prvni + static_cast<uint64_t>(i);
        const long kolik = udalosti / semen + (i < udalosti % semen ? 1 : 0);
        // A build of the soak alone (with sanitizers, say) borrows another's pictures.
        const char* root = std::getenv("SOAK_ROOT");
        const auto userDir = temp / ("seed-" + std::to_string(seed));
        std::filesystem::create_directories(userDir);
        const tb::test::SoakVysledek v =
            tb::test::soak(seed, kolik, root ? root : TB_ROOT_DIR, userDir);
        std::printf("seed %llu: %ld events, %d sessions, %ld moves\n",
                    static_cast<unsigned long long>(seed), v.udalosti, v.relace, v.tahy);
        if (!v.chyba.empty()) {
            ++chyb;
            std::printf(
                "  FAULT after event %ld: %s\n  replay: scripts/soak %ld %llu 1\n"
                "  files: %s\n",
                v.chybaPoUdalosti, v.chyba.c_str(), v.chybaPoUdalosti,
                static_cast<unsigned long long>(seed), userDir.c_str());
        } else {
            std::filesystem::remove_all(userDir);
        }
        std::fflush(stdout);
    }
    if (chyb == 0) std::filesystem::remove_all(temp);
    std::printf("faults %ld\n", chyb);
    return chyb == 0 ? 0 : 1;
}
