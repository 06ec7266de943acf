#include "core/clock_text.h"

namespace tb {

std::string GetSTime(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string casText(int sekundy) {
    return std::to_string(sekundy / 3600) + ":" + GetSTime(sekundy / 60 % 60) + ":" +
           GetSTime(sekundy % 60);
}

}  // namespace tb
