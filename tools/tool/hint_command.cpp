// hint SAVEFILE: the computer player's sorted candidates for the seat on move.

#include <ostream>

#include "engine/ai/computer_player.h"
#include "tools/tool/commands.h"
#include "tools/tool/move_input.h"
#include "tools/tool/saved_file.h"

namespace tb::tool {

int hintCommand(ToolEnv& env) {
    if (env.args().size() != 1) throw UsageError("hint needs one saved-game file");
    GameState s;
    nactiUlozenouHru(env.args().front(), s);
    auto kurzor = env.store().openCursor();
    TAI ai(*kurzor);
    ai.findCandidates(s);
    vypisKandidaty(env.out, ai);
    return 0;
}

}  // namespace tb::tool
