#pragma once
// The results screen TKonecForm over the whole screen: the winner or a
// draw, the length of the game, and the way on: the menu or browsing the
// finished game.

#include "engine/game/game_ui.h"

namespace tb {

struct UiContext;

// True when the player chose to browse the game.
bool showResultsScreen(UiContext& ctx, const Vysledek& v);

}  // namespace tb
