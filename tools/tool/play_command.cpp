// play SAVEFILE X,Y=LETTER...: lays tiles for the seat on move of a saved
// game and ends the move through the turn cycle, answering every error
// dialog with one button.

#include <ostream>

#include "engine/game/hra.h"
#include "engine/record/move_record.h"
#include "engine/saves/slot_files.h"
#include "tools/tool/commands.h"
#include "tools/tool/move_input.h"
#include "tools/tool/saved_file.h"

namespace tb::tool {

int playCommand(ToolEnv& env) {
    const DialogVolba odpoved = tlacitko(env.takeOption("--answer").value_or("self"));
    if (env.args().empty()) throw UsageError("play needs a saved-game file");

    GameState s;
    const SavedGame g = nactiUlozenouHru(env.args().front(), s);
    // Only the move given is played: no computer seat moves after it.
    for (int p = 1; p <= kSeats; ++p) s.Hraci[p].JePC = 0;
    writeRecordFile(env.user(), g.zapis);

    OdpovidajiciUi ui(env.out, odpoved);
    Nahoda rnd;
    TZapis zapis(env.user());
    auto kurzor = env.store().openCursor();
    Hra hra(s, ui, rnd, *kurzor, zapis);
    hra.NastavCasovac(true, 1);
    hra.frameTick();  // resumes the game as its first tick does
    LoadZobrazPole(s);

    for (size_t i = 1; i < env.args().size(); ++i) poloz(s, rozeber(env.args()[i]), env.args()[i]);
    const int hrac = s.NaTahu, tah = s.CisloTahu;
    hra.prehod();
    if (s.CisloTahu == tah) {
        env.out << "refused\n";
        return 0;
    }
    env.out << "accepted\t" << rozpisTahu(zapis, tah) << '\t' << s.Hraci[hrac].BodyTah << '\n';
    return 0;
}

}  // namespace tb::tool
