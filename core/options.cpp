#include "core/options.h"

#include <stdexcept>

namespace tb {

std::string optionsUsage() {
    return "usage: tavik-borun [--window] [--new-game] [--no-intro] [--seed N]\n"
           "                   [--user-dir DIR] [--root DIR] [--screenshot FILE]\n";
}

Options parseOptions(const std::vector<std::string>& args) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
            return args[++i];
        };
        if (a == "--window") {
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
