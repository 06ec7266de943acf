#include "core/options.h"

#include <stdexcept>

namespace tb {

std::string optionsUsage() {
    return "usage: tavik-borun [OPTION]...\n"
           "  --window           play in a 1024x768 window instead of full screen\n"
           "  --new-game         start a game at once with the last game's choices\n"
           "  --no-intro         skip the intro\n"
           "  --seed N           pin the random generator, for a game that repeats\n"
           "  --user-dir DIR     keep settings, saved games and records in DIR\n"
           "  --root DIR         take the pictures, sounds and dictionary from DIR\n"
           "  --screenshot FILE  save the first picture shown as FILE, then end\n"
           "  -h, --help         show this help and end\n"
           "  --version          show the version and end\n";
}

std::string gameVersion() {
    return TB_VERSION;
}

Options parseOptions(const std::vector<std::string>& args) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
            return args[++i];
        };
        if (a == "-h" || a == "--help") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--window") {
            o.window = true;
        } else if (a == "--new-game") {
            o.newGame = true;
        } else if (a == "--no-intro") {
            o.skipIntro = true;
        } else if (a == "--seed") {
            const std::string& v = value();
            size_t used = 0;
            try {
                o.seed = std::stoull(v, &used);
            } catch (const std::exception&) {
                used = 0;
            }
            if (used == 0 || used != v.size() || v[0] == '-')
                throw std::invalid_argument("--seed needs a whole number, not \"" + v + "\"");
        } else if (a == "--user-dir") {
            o.userDir = value();
        } else if (a == "--root") {
            o.root = value();
        } else if (a == "--screenshot") {
            o.screenshot = value();
        } else {
            throw std::invalid_argument("unknown argument \"" + a + "\"");
        }
    }
    return o;
}

}  // namespace tb
