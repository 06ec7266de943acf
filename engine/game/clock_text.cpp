#include "engine/game/clock_text.h"

namespace tb {
namespace {

bool digits(std::string_view s, int64_t& out) {
    if (s.empty() || s.size() > 10) return false;
    out = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        out = out * 10 + (c - '0');
    }
    return true;
}

std::string twoDigits(int32_t v) {
    return (v < 10 ? "0" : "") + std::to_string(v);
}

}  // namespace

std::string casText(int32_t sekundy) {
    if (sekundy < 0) sekundy = 0;
    return std::to_string(sekundy / 3600) + ":" + twoDigits(sekundy / 60 % 60) + ":" +
           twoDigits(sekundy % 60);
}

bool parseCasText(std::string_view text, int32_t& sekundy) {
    const size_t first = text.find(':');
    if (first == std::string_view::npos || text.size() != first + 6 || text[first + 3] != ':')
        return false;
    int64_t h = 0, m = 0, s = 0;
    if (!digits(text.substr(0, first), h) || !digits(text.substr(first + 1, 2), m) ||
        !digits(text.substr(first + 4, 2), s))
        return false;
    const int64_t total = h * 3600 + m * 60 + s;
    if (total > INT32_MAX) return false;
    sekundy = static_cast<int32_t>(total);
    return true;
}

std::string GetSTime(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace tb
