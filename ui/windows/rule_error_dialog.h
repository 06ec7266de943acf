#pragma once
// The rule error box TChyba1Box: what is wrong with the placement of a move,
// with the ways out: take the word back, or correct the move oneself (not
// offered once the time of the move is up).

#include "engine/game/game_ui.h"

namespace tb {

struct UiContext;

DialogVolba showRuleErrorBox(UiContext& ctx, const ChybaPravidla& c);

}  // namespace tb
