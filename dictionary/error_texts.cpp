#include "dictionary/error_texts.h"

#include "core/text.h"

namespace tb {
namespace {

std::string cp(const char* utf8) {
    return utf8ToCp1250(utf8);
}

std::string vUvozovkach(const std::string& slovo) {
    return "\"" + slovo + "\"";
}

std::string pozice(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

}  // namespace

std::array<std::string, 4> textyChybyPravidla(const ChybaPravidla& c) {
    std::array<std::string, 4> t;
    const std::string slovo = vUvozovkach(c.slovo);
    switch (c.kod) {
        case 1:
            t[2] = cp("Písmeno ") + slovo + cp(" je samotné. Souřadnice jsou:") + pozice(c.x, c.y) +
                   ".";
            break;
        case 2: {
            const int delka = static_cast<int>(c.slovo.size());
            t[1] = cp("Slovo ") + slovo + cp(" na souřadnicích:") + pozice(c.x, c.y) +
                   cp(" je moc krátké.");
            t[2] = cp("Obsahuje pouze: ") + std::to_string(delka) + " " +
                   cp(delka >= 5 ? "písmen" : "písmena") + ".";
            t[3] = cp("A vy máte nastaven limit na: ") + std::to_string(c.minPismen) + " " +
                   cp(c.minPismen < 5 ? "písmena" : "písmen") + ".";
            break;
        }
        case 3:
            t[2] = cp("Slovo ") + slovo + cp(" nenavazuje. Je na souřadnicích:") + pozice(c.x, c.y);
            break;
        case 4:
            t[1] = cp("Slovo ") + slovo + cp(" neprochází středem (Souřadnice 8,8).");
            t[2] = cp("Nyní je na souřadnicích: ") + pozice(c.x, c.y) + ".";
            break;
        default:
            break;
    }
    return t;
}

std::array<std::string, 3> textyChybySlova(const ChybaSlova& c) {
    return {"", cp("Slovo ") + vUvozovkach(c.slovo) + cp(" na souřadnicích: ") + pozice(c.x, c.y),
            cp("není ve slovníku.")};
}

std::array<std::string, 3> textyChybyVymeny() {
    return {"", cp("mít vyložené žádné písmeno"), cp("Pro provedení této operace nesmíte ")};
}

}  // namespace tb
