#include "engine/game/clock_text.h"

namespace tb {

std::string GetSTime(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace tb
