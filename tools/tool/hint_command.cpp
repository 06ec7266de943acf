// hint SAVEFILE: the computer player's sorted candidates for the seat on move.

#include <ostream>

#include "engine/ai/computer_player.h"
#include "files/text.h"
#include "tools/tool/commands.h"
#include "tools/tool/saved_file.h"

namespace tb::tool {

int hintCommand(ToolEnv& env) {
    if (env.args().size() != 1) throw UsageError("hint needs one saved-game file");
    GameState s;
    nactiUlozenouHru(env.args().front(), s);
    auto kurzor = env.store().openCursor();
    TAI ai(*kurzor);
    ai.findCandidates(s);
    for (int n = 1; n <= ai.PocetKandidatu; ++n) {
        const Kandidat& k = ai.Kandidati[n];
        env.out << cp1250ToUtf8(k.Slovo) << '\t' << k.Body << '\t' << k.X << '\t' << k.Y << '\t'
                << (k.Smer == 1 ? 'H' : 'V') << '\n';
    }
    return 0;
}

}  // namespace tb::tool
