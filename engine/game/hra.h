#pragma once
// The game as the game screen drives it: the checks of a move, the turn
// cycle with exchange, clocks, time limit and game end. One instance works on
// the one game state and reaches the screen, chance, the dictionary, the move
// record and the computer player through their seams.

#include <exception>
#include <functional>
#include <string>

#include "engine/game/computer_seat.h"
#include "engine/game/game_state.h"
#include "engine/game/game_ui.h"
#include "engine/game/placement_checker.h"
#include "engine/game/random.h"
#include "engine/game/word_store.h"
#include "engine/record/move_record.h"

namespace tb {

class Hra {
  public:
    Hra(GameState& s, GameUi& ui, Random& rnd, WordCursor& slovnik, TZapis& zapis);

    GameState& stav() { return s_; }
    GameUi& ui() { return ui_; }
    TZapis& zapis() { return zapis_; }
    // The seat that plays by the computer; without one a computer seat passes.
    void setComputerPlayer(ComputerPlayer* pc) { pc_ = pc; }

    // The frame timer DXTimer1 as the game sees it. The menus start a game by
    // setting the phase (NewGame, LoadedGame, LoadedRecord) and
    // NastavCasovac(true, 1).
    void NastavCasovac(bool zapnut, int interval);
    int interval() const { return interval_; }
    bool casovacZapnut() const { return zapnut_; }

    // Reset for a new game (not for a restored one).
    void MainInit();
    // One tick of the game timer (interval 1 or 1000): the start of a game,
    // the clocks and the time limit. Menu ticks (interval 0) are not the game's.
    void frameTick();
    // The next-move button: ends the move unless a tile is being carried.
    void PrehazujClick();
    // Ends the move: both checks, scoring, fixing the tiles, hand-over, and
    // the computer seats that follow.
    void prehod();
    // Hand-over: refill, next seat, move record, end conditions, clocks.
    void next();
    // The exchange button: first click enters exchange mode, second performs it.
    void VymenitClick();
    // Exchanges the tiles of the chosen rack slots of the seat on move and
    // ends the move (the bag must hold a tile).
    void vymen(const std::function<bool(int slot)>& vybrany);
    // Penalties and bonus, the closing section, the results screen.
    void TiskniKonec(int vitez);
    // The finished game viewed from its first move, as the results box offers.
    void prohlizej();
    // The three clock captions.
    void PrintTime();

    // The two checks of a move (placement, then dictionary); true = accepted.
    bool Test();
    bool SlovoExistuje();
    // One dictionary scan of the new words; on a miss sets ChybneSlovo & co.
    bool existuje();
    // Takes the new tiles of a word back to the rack and asks for a new check.
    void Oprav(int x, int y, const std::string& slovo, bool vodorovne);
    // The tile of this move on (x, y) into the first empty slot of NaTahu's
    // rack; false when there is none (or no such tile).
    bool VratZpetPismeno(int x, int y);
    // Adds the word to the dictionary for good and asks for a new check.
    void Zarad(const std::string& slovo);
    void SetOpravimSam();

  private:
    // The first tick of a game: a new game is dealt, a loaded game laid out
    // and revealed, a loaded record opened in the viewer.
    void zacni();
    // The opening deal: from the seat on move round the table each rack is
    // filled from the bag (a loaded game's racks are shown as they are), and
    // the move comes back to the seat that began. It counts no move and no
    // pass; for a new game it is record 1.
    void rozdej();
    // The hand-over itself: refill the rack of the seat on move, pass on.
    void predej();
    // What follows every hand-over: the clocks of the move, the first-move
    // flag, the tiles the new seat may pick up.
    void poPredani();
    void spocitejCasVyprsel();
    void tahPC();
    void kurzorNaPrvni();
    void ukazBody(int hrac);
    void provedVolbu(DialogVolba v, int x, int y, const std::string& slovo, bool vodorovne);
    void prehodVnitrni();
    void vymena();
    // A failed write of the move record must not leave a hand-over half done
    // (or a computer seat stuck on move): the write's error is kept, the turn
    // cycle finishes, and the outermost call throws it.
    void zapisuj(const std::function<void()>& zapis);
    void vstup(const std::function<void()>& akce);

    GameState& s_;
    GameUi& ui_;
    Random& rnd_;
    WordCursor& slovnik_;
    TZapis& zapis_;
    ComputerPlayer* pc_ = nullptr;
    PlacementChecker kontrola_;
    int interval_ = 0;
    bool zapnut_ = false;
    std::exception_ptr odlozenaChyba_;
    int hloubka_ = 0;
};

}  // namespace tb
