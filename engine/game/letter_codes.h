#pragma once
// Words as strings of letter codes (1..38, one byte per letter): plain byte
// order of such strings is Czech alphabetical order.

#include <array>
#include <string>
#include <string_view>

namespace tb {

// The 38 letters in code page 1250, in letter-code order (the order of the
// letter table).
inline constexpr std::string_view kLettersCp1250 =
    "a\xE1"
    "bc\xE8"
    "d\xEF"
    "e\xE9\xEC"
    "fghi\xED"
    "jklmn\xF2"
    "o\xF3"
    "pr\xF8s\x9At\x9Du\xF9\xFAvy\xFDz\x9E";

// The same letters in Unicode; all lie below U+0180.
inline constexpr std::u16string_view kLettersUnicode = u"aábcčdďeéěfghiíjklmnňoóprřsštťuůúvyýzž";

namespace detail {
constexpr std::array<unsigned char, 0x180> makeUnicodeTable() {
    std::array<unsigned char, 0x180> t{};
    for (size_t i = 0; i < kLettersUnicode.size(); ++i)
        t[kLettersUnicode[i]] = static_cast<unsigned char>(i + 1);
    return t;
}
inline constexpr auto kCodeOfUnicode = makeUnicodeTable();
constexpr std::array<unsigned char, 256> makeCodeTable() {
    std::array<unsigned char, 256> t{};
    for (size_t i = 0; i < kLettersCp1250.size(); ++i)
        t[static_cast<unsigned char>(kLettersCp1250[i])] = static_cast<unsigned char>(i + 1);
    return t;
}
inline constexpr auto kCodeOfByte = makeCodeTable();
}  // namespace detail

// Letter code of a code-page-1250 byte, 0 if the byte is not one of the 38 letters.
constexpr unsigned codeOfByte(unsigned char b) {
    return detail::kCodeOfByte[b];
}
// Letter code of a Unicode character, 0 if it is not one of the 38 letters.
constexpr unsigned codeOfUnicode(char32_t c) {
    return c < detail::kCodeOfUnicode.size() ? detail::kCodeOfUnicode[c] : 0;
}
// Decodes the UTF-8 letter at utf8[i] and advances i; 0 if the character is
// not one of the 38 letters (every letter is one or two bytes long).
inline unsigned nextCodeOfUtf8(std::string_view utf8, size_t& i) {
    const auto b = static_cast<unsigned char>(utf8[i++]);
    if (b < 0x80) return codeOfUnicode(b);
    if ((b & 0xE0) != 0xC0 || i >= utf8.size()) return 0;
    const auto b1 = static_cast<unsigned char>(utf8[i++]);
    if ((b1 & 0xC0) != 0x80) return 0;
    return codeOfUnicode(((b & 0x1Fu) << 6) | (b1 & 0x3Fu));
}
// Appends the codes of a UTF-8 word (the form the word store files keep) to
// `out`; false (and `out` partly filled) if a character is not a letter.
bool appendCodesOfUtf8(std::string_view utf8, std::string& out);
// Codes of a code-page-1250 word; a byte that is no letter gives code 0.
inline std::string codesOfCp1250(std::string_view cp) {
    std::string out;
    for (char c : cp) out += static_cast<char>(codeOfByte(static_cast<unsigned char>(c)));
    return out;
}
// Codes back to code page 1250.
std::string cp1250OfCodes(std::string_view codes);

}  // namespace tb
