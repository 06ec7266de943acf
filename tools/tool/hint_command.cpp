// hint [--level master] SAVEFILE: the sorted candidates of the computer
// player, or every move of the master best first, for the seat on move.

#include <ostream>

#include "engine/ai/computer_player.h"
#include "tools/tool/commands.h"
#include "tools/tool/move_input.h"
#include "tools/tool/saved_file.h"

namespace tb::tool {

int hintCommand(ToolEnv& env) {
    const std::string uroven = env.takeOption("--level").value_or("computer");
    if (uroven != "computer" && uroven != "master")
        throw UsageError("--level is computer or master");
    if (env.args().size() != 1) throw UsageError("hint needs one saved-game file");
    GameState s;
    nactiUlozenouHru(env.args().front(), s);
    if (uroven == "master") {
        vypisTahy(env.out, env.mistr().vsechnyTahy(s));
        return 0;
    }
    auto kurzor = env.store().openCursor();
    TAI ai(*kurzor);
    ai.findCandidates(s);
    vypisKandidaty(env.out, ai);
    return 0;
}

}  // namespace tb::tool
