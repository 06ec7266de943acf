#pragma once
// The browse screen's three input blockers Prohliz1..Prohliz3: laid over the
// game screen while a finished game or a stored record is viewed, they leave
// only the stepping buttons, the word test, the move list, the menu and the
// clocks reachable. A pointer move over them only tells `onMove` (the game
// screen puts out its button hovers and redraws the pointer).

#include <functional>

namespace tb {

class Window;

// Lays the blockers on top of the screen's controls (added on first use).
void ZapniProhlizeniPanely(Window& form, std::function<void(int x, int y)> onMove);
// Takes them away again.
void VypniProhlizeniPanely(Window& form);

}  // namespace tb
