#pragma once
// The game's command line.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tb {

struct Options {
    bool help = false;             // -h, --help: the usage, then end
    bool version = false;          // --version
    bool window = false;           // --window: a 1024x768 window instead of full screen
    bool newGame = false;          // --new-game: start a game at once with the saved choices
    bool skipIntro = false;        // --no-intro
    std::optional<uint64_t> seed;  // --seed N: pinned random generator
    std::optional<std::filesystem::path> userDir;     // --user-dir DIR
    std::optional<std::filesystem::path> root;        // --root DIR: installation root
    std::optional<std::filesystem::path> screenshot;  // --screenshot FILE: first frame, then end
};

// Throws std::invalid_argument with a message for the player on a bad argument.
Options parseOptions(const std::vector<std::string>& args);
std::string optionsUsage();
// The project's version, as the build names it ("1.0.0").
std::string gameVersion();

}  // namespace tb
