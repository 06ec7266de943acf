#pragma once
// Words as strings of letter codes (1..38, one byte per letter): the form the
// word index keeps, because plain byte order of such strings is Czech
// alphabetical order.

#include <string>
#include <string_view>

namespace tb {

// Letter code of a code-page-1250 byte, 0 if the byte is not one of the 38 letters.
int codeOfByte(unsigned char b);
// Appends the codes of a code-page-1250 word to `out`; false (and `out` left
// partly filled) if a byte is not a letter.
bool appendCodesOfCp1250(std::string_view cp, std::string& out);
// Same for a UTF-8 word (the form the word store files keep).
bool appendCodesOfUtf8(std::string_view utf8, std::string& out);
// Codes back to code page 1250.
std::string cp1250OfCodes(std::string_view codes);
// A typed text (any bytes) as a key that sorts among code strings: letters
// become their codes, other bytes sort before every letter (bytes below 'a')
// or after every letter (the rest), so the first word not before the text is
// found the way a reader expects.
std::string seekKeyOf(std::string_view cp);

}  // namespace tb
