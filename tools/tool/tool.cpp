#include "tools/tool/tool.h"

#include <functional>
#include <map>
#include <ostream>

#include "engine/game/options.h"
#include "tools/tool/commands.h"

namespace tb::tool {
namespace {

constexpr const char* kUsage =
    "usage: tavik-borun-tool [OPTION]... COMMAND ...\n"
    "commands:\n"
    "  lookup WORD...\n"
    "  hint [--level computer|master] SAVEFILE\n"
    "  play SAVEFILE X,Y=LETTER... [--answer takeback|add|self]\n"
    "  selfplay [--games N] [--seed S] [--players K] [--min-letters M] [--record-dir DIR]\n"
    "           [--levels C|M,...] [--timing]\n"
    "  movelist RECORDFILE --names A,B[,C[,D]]\n"
    "options:\n"
    "  --dict PATH     the dictionary to ask instead of the installed one\n"
    "  --user-dir DIR  the player's directory, with his own dictionary words\n"
    "  -h, --help      show this help and end\n"
    "  --version       show the version and end\n";

const std::map<std::string, std::function<int(ToolEnv&)>>& commands() {
    static const std::map<std::string, std::function<int(ToolEnv&)>> all = {
        {"lookup", lookupCommand}, {"selfplay", selfplayCommand}, {"hint", hintCommand},
        {"play", playCommand},     {"movelist", movelistCommand},
    };
    return all;
}

}  // namespace

int runTool(const std::vector<std::string>& args, const std::filesystem::path& executable,
            std::ostream& out, std::ostream& err) {
    try {
        std::vector<std::string> rest;
        std::optional<std::filesystem::path> dict, userDir;
        for (size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "-h" || args[i] == "--help" || args[i] == "--version") {
                out << (args[i] == "--version" ? "tavik-borun-tool " + gameVersion() + "\n"
                                               : std::string(kUsage));
                return 0;
            }
            const bool global = args[i] == "--dict" || args[i] == "--user-dir";
            if (!global) {
                rest.push_back(args[i]);
                continue;
            }
            if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
            (args[i] == "--dict" ? dict : userDir) = args[i + 1];
            ++i;
        }
        if (rest.empty() || !commands().contains(rest.front())) {
            err << kUsage;
            return 2;
        }
        const auto command = commands().at(rest.front());
        rest.erase(rest.begin());
        ToolEnv env(std::move(rest), dict, userDir, executable, out, err);
        return command(env);
    } catch (const std::exception& e) {
        err << "tavik-borun-tool: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace tb::tool
