#pragma once
// What the rules need from the screen. The turn cycle, the move checks, the
// bag and the computer player call the game screen only through this
// interface; the real screen draws and animates, tests record the calls and
// answer the dialogs. Every call has a do-nothing default so a screen (or a
// test) overrides only what it cares about.

#include <cstdint>
#include <string>
#include <vector>

namespace tb {

// The button that closed an error dialog.
enum class DialogVolba {
    Zavreno,      // closed without a choice
    VzitZpet,     // take the word back to the rack
    PridatSlovo,  // add the word to the dictionary
    OpravimSam,   // the player corrects the move himself
};

// What the rule error box is told (the validator's finding).
struct ChybaPravidla {
    bool casVyprsel = false;  // time is up: "correct it myself" is unavailable
    bool zRadku = false;      // found in a row, not in a column
    int32_t minPismen = 0;
    int32_t y = 0;  // first cell of the faulty run
    int32_t x = 0;
    int32_t kod = 0;  // 1 lone letter, 2 too short, 3 not connected, 4 misses the centre
    std::string slovo;
};

// What the word error dialog is told (the word missing from the dictionary).
struct ChybaSlova {
    std::string slovo;
    bool casVyprsel = false;
    int32_t y = 0;
    int32_t x = 0;
    bool vodorovne = false;  // the word lies in a row
};

// Texts of the game screen that the rules write.
enum class Titulek {
    Display,     // status line
    CasCelkem,   // game clock
    CasTah,      // turn clock
    Odpocet,     // time left of the move
    Jmeno,       // Jmeno1..Jmeno4 (seat given)
    BodyTah,     // b1m..b4m (seat given)
    BodyCelkem,  // b1c..b4c (seat given)
};

// The picture of the results screen.
enum class VysledekObrazek { Remiza, Win, Lost, WinPL };

// One seat in the final table of the results screen.
struct RadekVysledku {
    int poradi = 0;  // 1 = best; equal scores share a place
    int hrac = 0;
    std::string jmeno;
    int body = 0;    // the final score, penalty and bonus included
    int srazka = 0;  // the values of the tiles left on the rack
    int bonus = 0;   // what the seat that went out was credited
    friend bool operator==(const RadekVysledku&, const RadekVysledku&) = default;
};

struct Vysledek {
    VysledekObrazek obrazek = VysledekObrazek::Remiza;
    int wpl = 0;                         // WPL1..WPL4 beside WinPL, 0 = none
    std::string radekVitez;              // "Jméno vítěze: ..." or empty
    std::string radekDelka;              // "Délka hry: ..."
    std::vector<RadekVysledku> tabulka;  // every seat, best first
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
    // The move has passed to seat `hrac` in play (not in the deal or a step
    // through the record): the screen may let the next person sit down.
    virtual void PredaniTahu(int /*hrac*/) {}
    virtual void ZapniJmeno(int /*hrac*/) {}
    virtual void VypniJmeno(int /*hrac*/) {}

    // Redraw the whole game screen from the state.
    virtual void prekresli() {}

    // The modal windows that decide something. The window shows the system
    // pointer and stops the frame timer while it is open, and returns the
    // button that closed it; the rules then perform that button's action
    // (and the time-limit watch HlidatLimit that goes with it).
    virtual DialogVolba ChybaPravidlaBox(const ChybaPravidla& /*c*/) {
        return DialogVolba::Zavreno;
    }
    virtual DialogVolba ChybaSlovaBox(const ChybaSlova& /*c*/) { return DialogVolba::Zavreno; }
    // "Pro provedení této operace nesmíte mít vyložené žádné písmeno".
    virtual void ChybaVymenaBox() {}
    // Results screen; true when the player chose to browse the finished game.
    virtual bool KonecHryBox(const Vysledek& /*v*/) { return false; }

    // A caption's text (texts in code page 1250); `hrac` 1..4 for the seat
    // captions, 0 otherwise.
    virtual void NastavTitulek(Titulek /*t*/, int /*hrac*/, const std::string& /*text*/) {}
    // Odpocet turns red while the time is up but the move cannot be ended.
    virtual void OdpocetCerveny(bool /*cerveny*/) {}
    // The captions of seats 3 and 4 are shown only when those seats play.
    virtual void UkazHrace(int /*pocetHracu*/) {}

    // The cursor frame (KurzorAno) over rack slot `slot` of seat `hrac`, or hidden.
    virtual void KurzorNaSlot(int /*hrac*/, int /*slot*/) {}
    virtual void SkryjKurzor() {}
    // The exchange frame KV and the exchange marks KV1..KV7.
    virtual void UkazKV(bool /*ukaz*/) {}
    virtual bool OznacenKVymene(int /*slot*/) { return false; }
    virtual void ZrusOznaceni(int /*slot*/) {}

    // A tile's picture shown or hidden where it lies.
    virtual void UkazKamen(int /*tile*/, bool /*ukaz*/) {}
    // A tile going back to rack slot `slot` of seat `hrac` (taken back from the board).
    virtual void KamenDoSlotu(int /*hrac*/, int /*slot*/, int /*tile*/) {}
    // The unfinished move's tiles went back to seat `hrac`'s rack (before a
    // save): the rack shows what the state holds, nothing stays in the hand.
    virtual void KamenyNaStojanu(int /*hrac*/) {}
    // A tile flown over the screen from (sx, sy) to (tx, ty) in `ms` milliseconds.
    virtual void PresunPismeno(int /*tile*/, int /*sx*/, int /*sy*/, int /*tx*/, int /*ty*/,
                               int /*ms*/) {}
    // Blocks for `ms` milliseconds of the tick count, keeping the window alive.
    virtual void Pockej(int /*ms*/) {}

    // The frame timer DXTimer1: 0 menu frames, 1 start of a game, 1000 one second.
    virtual void NastavCasovac(bool /*zapnut*/, int /*interval*/) {}
    // The system mouse pointer.
    virtual void SystemovyKurzor(bool /*ukaz*/) {}
    // The seven empty-slot markers of the rack go away at a hand-over.
    virtual void SkryjOpanely() {}
    // A restored game's first tick: the menu shows its board (fade-in).
    virtual void ObnovenaHra() {}
    // A tile shown on board cell (x, y).
    virtual void KamenNaPole(int /*tile*/, int /*x*/, int /*y*/) {}
    // The game hands over to the main menu.
    virtual void DoMenu() {}
    // The browse screen's input blockers (a finished game or a stored record).
    virtual void ZapniProhlizeni() {}
};

}  // namespace tb
