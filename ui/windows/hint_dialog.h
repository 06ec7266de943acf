#pragma once
// The hint dialog TTipForm: pages through the candidates of the computer
// player's search for the person on move (word, estimate, position,
// direction) and may have the shown one laid.

namespace tb {

struct UiContext;
class TAI;

// The candidate (1-based) the player chose to lay, 0 when he closed the
// dialog. The caller puts it in the place of candidate 1 (VyberKandidata)
// and lays it.
int showHintDialog(UiContext& ctx, const TAI& ai);

}  // namespace tb
