#pragma once
// SDL's dummy drivers, chosen before anything starts SDL.

#include <cstdlib>

namespace tb::test {

inline const bool kDummyDrivers = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return true;
}();

}  // namespace tb::test
