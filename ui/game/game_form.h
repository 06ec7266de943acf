#pragma once
// The game screen's controls: invisible placeholders whose places, sizes and
// visibility say what the painter draws and where the mouse lands. The
// screen paints itself (GamePainter); the window only routes the mouse.

#include <array>
#include <string>

#include "engine/game/game_state.h"
#include "platform/window.h"

namespace tb {

// One of the nine buttons of the panel: three stacked controls.
struct Tlacitko {
    Control* OFF = nullptr;
    Control* ON = nullptr;
    Control* Down = nullptr;
    int tvar = 0;        // index of the OFF face in the button list; ON +1, Down +2
    bool horni = false;  // pass, exchange, back, forward: no window behind them
};

enum TlacitkoId { kNext, kChange, kBack, kFF, kKontrola, kPrubeh, kTip, kPocty, kMenu, kTlacitek };

class GameForm : public Window {
  public:
    GameForm();

    Control* HraciPlocha = nullptr;
    std::array<Control*, kTiles + 1> Image{};  // Image1..Image97
    std::array<Control*, kRack + 1> Opanel{};  // empty-slot markers
    std::array<Control*, kRack + 1> KVs{};     // exchange marks KV1..KV7
    Control* KurzorAno = nullptr;
    Control* KV = nullptr;
    Control* myska = nullptr;
    Control* LeftPovrch = nullptr;
    Control* LeftPovrchS = nullptr;
    Control* LeftPovrchS2 = nullptr;
    std::array<Tlacitko, kTlacitek> tlacitka{};

    std::array<Label*, kSeats + 1> Jmeno{}, bm{}, bc{};
    Label* Display = nullptr;
    Label* CasCelkem = nullptr;
    Label* CasTah = nullptr;
    Label* Odpocet = nullptr;

    // The tile number of a tile control (from the digits of its name), or 0.
    int kamenOf(const Control& c) const;
    // The slot number 1..7 of a marker or an exchange mark (its last character).
    static int slotOf(const Control& c);
    // A tile control moved to (x, y) and shown or hidden.
    void umisti(int tile, int x, int y, bool ukaz);
};

}  // namespace tb
