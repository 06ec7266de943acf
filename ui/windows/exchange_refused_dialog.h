#pragma once
// TChybaVymena: an exchange, a hint or a step through the record needs a
// board without tiles of the current move.

namespace tb {

struct UiContext;

void showExchangeRefused(UiContext& ctx);

}  // namespace tb
