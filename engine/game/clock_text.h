#pragma once
// The clocks as the game screen shows them.

#include <string>

#include "engine/game/clock_format.h"  // casText: seconds as "0:00:00"

namespace tb {

// A value below 10 gets a leading "0".
std::string GetSTime(int n);

}  // namespace tb
