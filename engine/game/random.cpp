#include "engine/game/random.h"

#include <chrono>

namespace tb {

Nahoda::Nahoda(std::optional<uint64_t> seed) : pinned_(seed.has_value()) {
    if (seed)
        gen_.seed(*seed);
    else
        Randomize();
}

void Nahoda::Randomize() {
    if (pinned_) return;
    gen_.seed(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
              static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

int Nahoda::random(int k) {
    if (k <= 1) return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(gen_);
}

}  // namespace tb
