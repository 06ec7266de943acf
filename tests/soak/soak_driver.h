#pragma once
// A soak of the whole application on SDL's dummy drivers: a long random
// stream of input with a pinned clock. After every event the game must come
// to rest within bounded pinned time and loop passes, every tile in exactly
// one place; a game the player leaves is started again until the stream ends.

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

// Runs one seed's stream on the installation `root` with the player's files
// in `userDir`, against a few hundred short everyday words (enough for the
// computer player to lay something now and then). Never throws for a fault
// of the game: it is reported in the result.
SoakVysledek soak(uint64_t seed, long udalosti, const std::filesystem::path& root,
                  const std::filesystem::path& userDir);

}  // namespace tb::test
