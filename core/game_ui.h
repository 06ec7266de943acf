#pragma once
// What the rules need from the screen. The turn cycle, the move checks, the
// bag and the computer player call the game screen only through this
// interface; the real screen draws and animates, tests record the calls and
// answer the dialogs. Every call has a do-nothing default so a screen (or a
// test) overrides only what it cares about.

#include <string>

namespace tb {

// The button that closed an error dialog.
enum class DialogVolba {
    Zavreno,      // closed without a choice
    VzitZpet,     // take the word back to the rack
    PridatSlovo,  // add the word to the dictionary
    OpravimSam,   // the player corrects the move himself
};

class GameUi {
public:
    virtual ~GameUi() = default;

    // Sound effect 1..9.
    virtual void HrajZvuk(int /*n*/) {}

    // A tile dealt into rack slot `slot` of seat `hrac`, with the arrival fade.
    virtual void ukazPrichod(int /*hrac*/, int /*slot*/, int /*tile*/) {}
    // A tile shown in its rack slot at once (a stored position being restored).
    virtual void ukazVeSlotu(int /*hrac*/, int /*slot*/, int /*tile*/) {}
    // A rack tile fading out of slot `slot` of seat `hrac`.
    virtual void ukazOdchod(int /*hrac*/, int /*slot*/, int /*tile*/) {}

    // Highlight of the seat on move.
    virtual void ZapniJmeno(int /*hrac*/) {}
    virtual void VypniJmeno(int /*hrac*/) {}

    // Redraw the whole game screen from the state.
    virtual void prekresli() {}
};

}  // namespace tb
