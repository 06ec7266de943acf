// play SAVEFILE X,Y=LETTER...: lays tiles for the seat on move of a saved
// game and ends the move through the turn cycle, answering every error
// dialog with one button.

#include <map>
#include <ostream>
#include <regex>

#include "engine/game/hra.h"
#include "engine/game/move.h"
#include "engine/game/tiles.h"
#include "engine/record/move_record.h"
#include "engine/saves/slot_files.h"
#include "files/text.h"
#include "tools/tool/commands.h"
#include "tools/tool/saved_file.h"

namespace tb::tool {
namespace {

// Prints each dialog and answers it with the chosen button.
class OdpovidajiciUi : public GameUi {
  public:
    OdpovidajiciUi(std::ostream& out, DialogVolba odpoved) : out_(out), odpoved_(odpoved) {}

    DialogVolba ChybaPravidlaBox(const ChybaPravidla& c) override {
        out_ << "rule-error\t" << c.kod << '\t' << cp1250ToUtf8(c.slovo) << '\t' << c.x << '\t'
             << c.y << '\t' << int{c.zRadku} << '\n';
        return odpovez();
    }
    DialogVolba ChybaSlovaBox(const ChybaSlova& c) override {
        out_ << "word-error\t" << cp1250ToUtf8(c.slovo) << '\t' << c.x << '\t' << c.y << '\t'
             << (c.vodorovne ? 'H' : 'V') << '\n';
        return odpovez();
    }

  private:
    DialogVolba odpovez() {
        // An answer that never settles the move must not loop for ever.
        if (++dialogu > 100) throw UsageError("the move is not settled by the answers given");
        return odpoved_;
    }
    std::ostream& out_;
    DialogVolba odpoved_;
    int dialogu = 0;
};

struct Polozeni {
    int x, y;
    char pismeno;
};

Polozeni rozeber(const std::string& arg) {
    static const std::regex tvar(R"(^(\d{1,2}),(\d{1,2})=(.+)$)");
    std::smatch m;
    if (!std::regex_match(arg, m, tvar)) throw UsageError("not X,Y=LETTER: " + arg);
    const int x = std::stoi(m[1]), y = std::stoi(m[2]);
    const std::string p = lowerAZ(utf8ToCp1250(m[3].str()));
    if (x < 1 || x > kBoard || y < 1 || y > kBoard) throw UsageError("no such square: " + arg);
    if (p.size() != 1 || letterCodeOf(p[0]) == 0) throw UsageError("not a tile letter: " + arg);
    return {x, y, p[0]};
}

// Takes the first tile of the letter from the rack of the seat on move.
void poloz(GameState& s, const Polozeni& p, const std::string& arg) {
    if (s.Pole[p.x][p.y].Pevny || s.Pole[p.x][p.y].Novy)
        throw UsageError("the square is occupied: " + arg);
    for (int slot = 1; slot <= kRack; ++slot) {
        const int t = s.Zasobnik[s.NaTahu][slot];
        if (t != 0 && s.Kameny[t].Pismeno[0] == p.pismeno && polozZeSlotu(s, slot, p.x, p.y))
            return;
    }
    throw UsageError("the letter is not on the rack of the seat on move: " + arg);
}

}  // namespace

int playCommand(ToolEnv& env) {
    static const std::map<std::string, DialogVolba> odpovedi = {{"takeback", DialogVolba::VzitZpet},
                                                                {"add", DialogVolba::PridatSlovo},
                                                                {"self", DialogVolba::OpravimSam}};
    const std::string odpoved = env.takeOption("--answer").value_or("self");
    if (!odpovedi.contains(odpoved)) throw UsageError("--answer must be takeback, add or self");
    if (env.args().empty()) throw UsageError("play needs a saved-game file");

    GameState s;
    const SavedGame g = nactiUlozenouHru(env.args().front(), s);
    // Only the move given is played: no computer seat moves after it.
    for (int p = 1; p <= kSeats; ++p) s.Hraci[p].JePC = 0;
    writeRecordFile(env.user(), g.zapis);

    OdpovidajiciUi ui(env.out, odpovedi.at(odpoved));
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
    const auto radky = zapis.radky();
    const std::string rozpis = radky.at(static_cast<size_t>(tah) * kRadkuZaznamu + 1);
    env.out << "accepted\t" << cp1250ToUtf8(rozpis) << '\t' << s.Hraci[hrac].BodyTah << '\n';
    return 0;
}

}  // namespace tb::tool
