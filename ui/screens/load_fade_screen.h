#pragma once
// The board of a loaded game appears: on the first tick of the resumed game
// its fixed tiles are put on their cells and fade in together over 2.5 s.

#include <functional>

#include "engine/game/game_ui.h"
#include "ui/windows/ui_context.h"

namespace tb {

// `pozadi` draws the game screen without a flip (background and the tiles
// already shown). The game goes on when it returns.
void LoadFadeInPismena(UiContext& ctx, GameUi& ui, const std::function<void()>& pozadi);

}  // namespace tb
