#include "dictionary/letter_codes.h"

#include <array>

#include "core/text.h"
#include "core/tiles.h"

namespace tb {
namespace {

constexpr unsigned char kBeforeLetters = 0;
constexpr unsigned char kAfterLetters = 0xFF;

std::array<unsigned char, 256> makeCodeTable() {
    std::array<unsigned char, 256> t{};
    for (int kod = 1; kod <= kLetters; ++kod)
        t[static_cast<unsigned char>(letterInfo(kod).pismeno[0])] = static_cast<unsigned char>(kod);
    return t;
}

const std::array<unsigned char, 256>& codeTable() {
    static const auto table = makeCodeTable();
    return table;
}

// Letter code of a Unicode code point; all 38 letters lie below U+0180.
std::array<unsigned char, 0x180> makeUnicodeTable() {
    std::array<unsigned char, 0x180> t{};
    for (int b = 0; b < 256; ++b) {
        const char32_t u = cp1250ToUnicode(static_cast<unsigned char>(b));
        if (u < t.size()) t[u] = codeTable()[b];
    }
    return t;
}

}  // namespace

int codeOfByte(unsigned char b) {
    return codeTable()[b];
}

bool appendCodesOfCp1250(std::string_view cp, std::string& out) {
    const auto& table = codeTable();
    for (char c : cp) {
        const unsigned char kod = table[static_cast<unsigned char>(c)];
        if (kod == 0) return false;
        out += static_cast<char>(kod);
    }
    return true;
}

bool appendCodesOfUtf8(std::string_view utf8, std::string& out) {
    static const auto table = makeUnicodeTable();
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char b = utf8[i];
        char32_t u = b;
        // Every letter is one byte or a two-byte sequence.
        if (b >= 0x80) {
            if ((b & 0xE0) != 0xC0 || i + 1 >= utf8.size()) return false;
            const unsigned char b1 = utf8[++i];
            if ((b1 & 0xC0) != 0x80) return false;
            u = ((b & 0x1F) << 6) | (b1 & 0x3F);
        }
        const unsigned char kod = u < table.size() ? table[u] : 0;
        if (kod == 0) return false;
        out += static_cast<char>(kod);
    }
    return true;
}

std::string cp1250OfCodes(std::string_view codes) {
    std::string out;
    out.reserve(codes.size());
    for (char kod : codes) out += letterInfo(static_cast<unsigned char>(kod)).pismeno[0];
    return out;
}

std::string seekKeyOf(std::string_view cp) {
    std::string key;
    key.reserve(cp.size());
    for (char c : cp) {
        const auto b = static_cast<unsigned char>(c);
        const unsigned char kod = codeTable()[b];
        key += static_cast<char>(kod != 0 ? kod : b < 'a' ? kBeforeLetters : kAfterLetters);
    }
    return key;
}

}  // namespace tb
