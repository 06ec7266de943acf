#pragma once
// The word error dialog TChybaSlova: a word of the move is not in the
// dictionary. Take it back, add it to the dictionary, or correct the move
// oneself (not offered once the time of the move is up).

#include "engine/game/game_ui.h"

namespace tb {

struct UiContext;

DialogVolba showWordErrorDialog(UiContext& ctx, const ChybaSlova& c);

}  // namespace tb
