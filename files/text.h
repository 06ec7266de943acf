#pragma once
// Inside the game a word is a string of code-page-1250 bytes, one byte per
// letter. These convert at the edges (screen text, text input, the word
// store, the command line).

#include <string>
#include <string_view>

namespace tb {

// Code page 1250 -> UTF-8. Bytes with no character in the code page are dropped.
std::string cp1250ToUtf8(std::string_view cp);
// UTF-8 -> code page 1250. Characters with no code-page-1250 form, and
// malformed sequences, are dropped.
std::string utf8ToCp1250(std::string_view utf8);
// Unicode code point of a code-page-1250 byte (0 where the code page has none).
char32_t cp1250ToUnicode(unsigned char b);
// UTF-8 <-> Unicode code points; malformed sequences are dropped.
std::u32string utf8ToU32(std::string_view utf8);
std::string u32ToUtf8(std::u32string_view text);
// The lowering of typed words: A..Z become a..z, every other byte is kept
// (capitals with diacritics included).
std::string lowerAZ(std::string_view cp);

}  // namespace tb
