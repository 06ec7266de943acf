#pragma once
// The game's clock texts: hours unpadded, minutes and seconds as two digits
// ("0:07:05"), as the total-time caption, the record's closing section and the
// slot summaries show them.

#include <cstdint>
#include <string>
#include <string_view>

namespace tb {

std::string casText(int32_t sekundy);
// Seconds of a clock text: the digits before the first ":" are hours, the two
// characters after it minutes, the two after the next ":" seconds. Anything
// else in the text (or a value beyond 32 bits) makes it false.
bool parseCasText(std::string_view text, int32_t& sekundy);

// Two digits of a clock: a value below 10 gets a leading "0".
std::string GetSTime(int n);

}  // namespace tb
