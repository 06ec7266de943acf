#include "engine/game/letter_codes.h"

namespace tb {
bool appendCodesOfUtf8(std::string_view utf8, std::string& out) {
    for (size_t i = 0; i < utf8.size();) {
        const unsigned kod = nextCodeOfUtf8(utf8, i);
        if (kod == 0) return false;
        out += static_cast<char>(kod);
    }
    return true;
}

std::string cp1250OfCodes(std::string_view codes) {
    std::string out;
    out.reserve(codes.size());
    for (char kod : codes) out += kLettersCp1250[static_cast<unsigned char>(kod) - 1];
    return out;
}

}  // namespace tb
