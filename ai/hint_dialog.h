#pragma once
// The hint dialog TTipForm: pages through the candidates of the computer
// player's search for the person on move (word, estimate, position,
// direction) and may have the shown one laid.

namespace tb {

struct UiContext;
class TAI;

// True when the player chose to lay the shown candidate; it is then
// candidate 1 of `ai`, ready for PolozSlovo.
bool showHintDialog(UiContext& ctx, TAI& ai);

}  // namespace tb
