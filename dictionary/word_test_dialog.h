#pragma once
// The word test TTestSlova: the player types a word and learns whether the
// dictionary knows it ("Znám" / "Neznám").

namespace tb {

struct UiContext;

void showWordTestDialog(UiContext& ctx);

}  // namespace tb
