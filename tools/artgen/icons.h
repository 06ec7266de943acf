#pragma once
// Simple vector symbols for picture buttons, drawn in the button's ink.

#include "tools/artgen/paint.h"

namespace art {

enum class Icon { HandOver, Swap, StepBack, StepForward, Plus, Minus, Close, Tick };
Content icon(Icon which);
void drawIcon(cairo_t* cr, Icon which, Rect r, Rgb ink, double alpha = 1.0);

}  // namespace art
