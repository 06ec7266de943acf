#include "tools/tool/tool.h"

#include <functional>
#include <iostream>
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
    "  shell           a game driven by commands on standard input, one a line,\n"
    "                  through the turn cycle of the window (seeded chance, a clock\n"
    "                  that moves only on tick); every answer ends with ok or\n"
    "                  error: MESSAGE, and an error changes nothing:\n"
    "    new SEATS... [seed=S] [min=M] [limit=SECONDS]\n"
    "                     2..4 seats: P (a person), C (the computer player) or M\n"
    "                     (the master); computer seats on move play at once,\n"
    "                     printed as for next\n"
    "    show             move N, to-move S, bag B, passes K, phase play|over|browse,\n"
    "                     exchange on|off, per seat: seat S NAME TOTAL LAST RACK,\n"
    "                     then 15 board rows: . empty, a fixed tile in lower case,\n"
    "                     a tile of this move in upper case\n"
    "    lay X,Y=L ...    rack letters onto squares as tiles of this move\n"
    "    lift X,Y         a tile of this move back to the rack\n"
    "                     after both, while tiles of the move lie on the board, what\n"
    "                     next would make of them: preview<TAB>ok<TAB>DESCRIPTION\n"
    "                     <TAB>POINTS, preview<TAB>rule<TAB>CODE<TAB>WORD or\n"
    "                     preview<TAB>unknown<TAB>WORD\n"
    "    next [self|takeback|add]\n"
    "                     ends the move, answering every error dialog with that\n"
    "                     button (each dialog a line as play prints it), then\n"
    "                     accepted<TAB>DESCRIPTION<TAB>POINTS, passed or refused;\n"
    "                     then computer<TAB>SEAT<TAB>DESCRIPTION<TAB>POINTS for each\n"
    "                     computer move, timeout<TAB>SEAT<TAB>... for a move the\n"
    "                     time limit ended, over<TAB>WINNER at the end (0: passes)\n"
    "    exchange L...    marks those rack letters and exchanges them: exchanged,\n"
    "                     or refused<TAB>REASON (tiles on the board, bag too small)\n"
    "    hint             the computer player's candidates for the seat on move,\n"
    "                     one a line as the hint command prints them\n"
    "    hint-lay N       lays candidate N and ends the move, printed as next\n"
    "    back, forward    one step through the record, refused where the button is dark\n"
    "    browse           a finished game viewed from its first move\n"
    "    tick SECONDS     the game clock that many seconds on\n"
    "    save N, load N   saved-game slot N (1..10) of the user folder\n"
    "    save-record N    a finished game into game-record slot N (1..10)\n"
    "    check            the tile and score checks of selfplay\n"
    "    quit             ends the shell, as the end of input does (exit 0; a broken\n"
    "                     tile invariant is printed and exits 1)\n"
    "options:\n"
    "  --dict PATH     the dictionary to ask instead of the installed one\n"
    "  --user-dir DIR  the player's directory, with his own dictionary words\n"
    "  -h, --help      show this help and end\n"
    "  --version       show the version and end\n";

const std::map<std::string, std::function<int(ToolEnv&)>>& commands() {
    static const std::map<std::string, std::function<int(ToolEnv&)>> all = {
        {"lookup", lookupCommand}, {"selfplay", selfplayCommand}, {"hint", hintCommand},
        {"play", playCommand},     {"movelist", movelistCommand}, {"shell", shellCommand},
    };
    return all;
}

}  // namespace

int runTool(const std::vector<std::string>& args, const std::filesystem::path& executable,
            std::ostream& out, std::ostream& err, std::istream* in) {
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
        ToolEnv env(std::move(rest), dict, userDir, executable, in ? *in : std::cin, out, err);
        return command(env);
    } catch (const std::exception& e) {
        err << "tavik-borun-tool: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace tb::tool
