#include "tools/dictbuild/word_filter.h"

#include <algorithm>
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

// Unit symbols hunspell-cs lists without a full stop. Symbols that are also
// Czech words stay words: ha (an interjection), au, mil and min (word forms),
// in, mi, bar, ar.
bool isUnitSymbol(std::string_view utf8) {
    static constexpr std::string_view kSymbols[] = {"atm", "cal",  "dag",  "dpi", "kcal", "kmol",
                                                    "ly",  "mbar", "mmol", "oz",  "yd"};
    return std::ranges::find(kSymbols, utf8) != std::end(kSymbols);
}

}  // namespace

bool isGameWord(std::string_view utf8) {
    std::string codes;
    if (!appendCodesOfUtf8(utf8, codes)) return false;
    const auto n = static_cast<int>(codes.size());
    return n >= kMinLetters && n <= kMaxLetters && soundsLikeWord(cp1250OfCodes(codes)) &&
           !isUnitSymbol(utf8);
}

}  // namespace tb::dictbuild
