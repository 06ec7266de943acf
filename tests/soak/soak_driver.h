#pragma once
// A long random stream of input to the whole game with a pinned clock: after every event the
// game must rest soon, every tile in one place; a game left is started again.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace tb::test {

struct SoakVysledek {
    long udalosti = 0;                // events delivered
    int relace = 0;                   // times the application ran
    long tahy = 0;                    // moves played or loaded
    std::map<std::string, int> okna;  // windows opened, by name
    uint32_t pinovanyCas = 0;         // pinned ms of the whole run
    // Empty, or the fault and the index of the event after which it showed.
    std::string chyba;
    long chybaPoUdalosti = -1;
};

// One seed's stream against a few hundred short words; a fault is reported, never thrown.
SoakVysledek soak(uint64_t seed, long udalosti, const std::filesystem::path& root,
                  const std::filesystem::path& userDir);

}  // namespace tb::test
