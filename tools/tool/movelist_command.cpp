// movelist RECORDFILE --names A,B[,C[,D]]: the move list of a record file.

#include <ostream>
#include <sstream>

#include "engine/record/move_list.h"
#include "engine/saves/record_part.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"
#include "files/files.h"
#include "files/text.h"
#include "tools/tool/commands.h"

namespace tb::tool {

int movelistCommand(ToolEnv& env) {
    const auto jmena = env.takeOption("--names");
    if (!jmena || env.args().size() != 1)
        throw UsageError("movelist needs a record file and --names A,B[,C[,D]]");
    GameState s;
    std::istringstream in(*jmena);
    std::string jmeno;
    s.PocetHracu = 0;
    while (std::getline(in, jmeno, ','))
        if (++s.PocetHracu <= kSeats) s.Hraci[s.PocetHracu].Jmeno = utf8ToCp1250(jmeno);
    if (s.PocetHracu < 2 || s.PocetHracu > kSeats) throw UsageError("--names needs 2 to 4 names");

    const std::string soubor = env.args().front();
    const auto radky = splitLines(readFile(soubor, kMaxRecordBytes));
    // Records, then perhaps a closing section, checked whole: a saved game
    // or any other file is refused, not listed as moves.
    LineReader kontrola(radky, soubor);
    int zaznamu = 0;
    try {
        zaznamu = checkRecordLines(kontrola, s.PocetHracu);
    } catch (const FileError& e) {
        throw UsageError(std::string("not a move record: ") + e.what());
    }
    if (zaznamu == 0) throw UsageError(soubor + ": no move record in it");
    s.PosledniTah = static_cast<int32_t>(zaznamu);
    // A closing section follows the records of a finished game, as viewed.
    s.Faze = radky.size() > size_t(zaznamu) * kRadkuZaznamu ? Phase::Browse : Phase::Play;
    writeRecordFile(env.user(), radky);
    TZapis zapis(env.user());

    for (const RadekSeznamu& r : seznamTahu(s, zapis)) {
        std::string radek;
        if (r.druh == RadekSeznamu::Druh::Cas) {
            // "Celkový čas hry:" and the time, in two columns.
            const std::string& t = r.sloupce.at(0);
            const size_t dvojtecka = t.find(':');
            radek = t.substr(t.find_first_not_of(' '), dvojtecka + 1 - t.find_first_not_of(' ')) +
                    '\t' + t.substr(dvojtecka + 1);
        } else if (r.druh == RadekSeznamu::Druh::Skore) {
            radek = r.sloupce.at(0) + '\t' + r.sloupce.at(2);
        } else {
            for (size_t i = 0; i < r.sloupce.size(); ++i) radek += (i ? "\t" : "") + r.sloupce[i];
        }
        env.out << cp1250ToUtf8(radek) << '\n';
    }
    return 0;
}

}  // namespace tb::tool
