#pragma once
// The hint dialog TTipForm: pages through the candidates of the computer
// player's search for the person on move (word, estimate, position,
// direction) and may have the shown one laid. With a master at hand a
// switch shows the master's moves instead ("Nejlepší tahy"), each with its
// exact points, and back.

#include "engine/ai/computer_player.h"

namespace tb {

struct UiContext;

// The candidate (1-based) the player chose to lay, the master's move n as
// -n, 0 when he closed the dialog. The caller puts a candidate in the place
// of candidate 1 (VyberKandidata) and lays it.
int showHintDialog(UiContext& ctx, const TAI& ai, const NejlepsiTahy& nejlepsi = {});

}  // namespace tb
