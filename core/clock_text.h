#pragma once
// The clocks as the game screen shows them.

#include <string>

namespace tb {

// A value below 10 gets a leading "0".
std::string GetSTime(int n);
// Seconds as hours ":" minutes ":" seconds, "0:00:00" at the start.
std::string casText(int sekundy);

}  // namespace tb
