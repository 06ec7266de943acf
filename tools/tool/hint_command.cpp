// hint [--level master] SAVEFILE: the sorted candidates of the computer
// player, or every move of the master best first, for the seat on move.

#include <ostream>

#include "engine/ai/computer_player.h"
#include "files/text.h"
#include "tools/tool/commands.h"
#include "tools/tool/saved_file.h"

namespace tb::tool {

int hintCommand(ToolEnv& env) {
    const std::string uroven = env.takeOption("--level").value_or("computer");
    if (uroven != "computer" && uroven != "master")
        throw UsageError("--level is computer or master");
    if (env.args().size() != 1) throw UsageError("hint needs one saved-game file");
    GameState s;
    nactiUlozenouHru(env.args().front(), s);
    std::vector<Kandidat> tahy;
    if (uroven == "master") {
        tahy = env.mistr().vsechnyTahy(s);
    } else {
        auto kurzor = env.store().openCursor();
        TAI ai(*kurzor);
        ai.findCandidates(s);
        tahy.assign(ai.Kandidati.begin() + 1, ai.Kandidati.begin() + 1 + ai.PocetKandidatu);
    }
    for (const Kandidat& k : tahy) {
        env.out << cp1250ToUtf8(k.Slovo) << '\t' << k.Body << '\t' << k.X << '\t' << k.Y << '\t'
                << (k.Smer == 1 ? 'H' : 'V') << '\n';
    }
    return 0;
}

}  // namespace tb::tool
