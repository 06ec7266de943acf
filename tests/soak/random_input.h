#pragma once
// Random but plausible input for the whole game: pointer moves, presses,
// releases, clicks and drags aimed mostly at what can be used on the screen
// shown (menu buttons, slots, name and word boxes, board squares, rack slots,
// the nine buttons, the controls of an open window), and keys. The same seed
// and the same screens give the same stream.

#include <cstdint>
#include <deque>
#include <random>

#include "engine/game/tile_positions.h"
#include "platform/bitmap.h"
#include "platform/events.h"

namespace tb {
class HerniAplikace;
class Window;
}  // namespace tb

namespace tb::test {

class NahodnyVstup {
  public:
    explicit NahodnyVstup(uint64_t seed) : rng_(seed) {}

    // The next event, aimed at the screen as it is now.
    Event dalsi(HerniAplikace& hra);
    // Pinned milliseconds the player rests before the next event.
    uint32_t prodleva(HerniAplikace& hra);

  private:
    int nahoda(int n) { return n <= 1 ? 0 : static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
    bool sance(int procent) { return nahoda(100) < procent; }
    int mezi(int a, int b) { return a + nahoda(b - a + 1); }
    // A point inside r.
    Bod bodV(Rect r);
    Bod kamKliknout(HerniAplikace& hra);
    Bod vMenu(HerniAplikace& hra);
    Bod veHre(HerniAplikace& hra);
    Bod vOkne(const Window& w);
    void gesto(HerniAplikace& hra);
    // A player who knows the rules: a few rack tiles in a line through the
    // centre or on from a tile already fixed, then Next. False when the
    // game screen is not at play.
    bool polozRadu(HerniAplikace& hra);
    void klik(Bod b) {
        tah(EventKind::MouseMove, b);
        tah(EventKind::MouseDown, b);
        tah(EventKind::MouseUp, b);
    }
    void klavesa(HerniAplikace& hra);
    void tah(EventKind k, Bod b, int tlacitko = 1) { fronta_.push_back({k, b.x, b.y, tlacitko}); }

    std::mt19937_64 rng_;
    std::deque<Event> fronta_;
};

}  // namespace tb::test
