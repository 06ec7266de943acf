#pragma once
// Which forms of the hunspell list become words of the game.

#include <string_view>

namespace tb::dictbuild {

constexpr int kMinLetters = 2;
constexpr int kMaxLetters = 15;  // the board is 15 squares wide

// A UTF-8 form is kept if it is all small letters of the 38 of the tile set,
// 2 to 15 of them, and sounds like a word: it has a vowel, or an r or l
// between two consonants (vlk, prst, čtvrt). That leaves out proper names
// and abbreviations such as kg or cm. The unit symbols with a vowel that the
// list carries as bare words (yd, oz, kcal, ...) are left out by name.
bool isGameWord(std::string_view utf8);

}  // namespace tb::dictbuild
