#include "tools/dictbuild/word_filter.h"

#include <string>

#include "dictionary/letter_codes.h"

namespace tb::dictbuild {
namespace {

bool isVowel(char cp) {
    static const std::string_view kVowels =
        "a\xE1"
        "e\xE9\xEC"
        "i\xED"
        "o\xF3"
        "u\xFA\xF9"
        "y\xFD";
    return kVowels.find(cp) != std::string_view::npos;
}

bool soundsLikeWord(const std::string& cp) {
    for (size_t i = 0; i < cp.size(); ++i) {
        if (isVowel(cp[i])) return true;
        if ((cp[i] == 'r' || cp[i] == 'l') && i > 0 && i + 1 < cp.size() && !isVowel(cp[i - 1]) &&
            !isVowel(cp[i + 1]))
            return true;
    }
    return false;
}

}  // namespace

bool isGameWord(std::string_view utf8) {
    std::string codes;
    if (!appendCodesOfUtf8(utf8, codes)) return false;
    const auto n = static_cast<int>(codes.size());
    return n >= kMinLetters && n <= kMaxLetters && soundsLikeWord(cp1250OfCodes(codes));
}

}  // namespace tb::dictbuild
