#pragma once
// The letters table TPaB: for each of the 38 letters the tiles still in the
// bag, the tiles of the whole set, or the points of one tile.

namespace tb {

struct UiContext;

void showLettersTable(UiContext& ctx);

}  // namespace tb
