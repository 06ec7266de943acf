#pragma once
// The game as the game screen drives it: the checks of a move, the turn
// cycle with exchange, clocks, time limit and game end. One instance works on
// the one game state and reaches the screen, chance, the dictionary, the move
// record and the computer player through their seams.

#include <string>

#include "core/computer_player.h"
#include "core/game_state.h"
#include "core/game_ui.h"
#include "core/random.h"
#include "dictionary/validator.h"
#include "dictionary/word_store.h"

namespace tb {

class Hra {
  public:
    Hra(GameState& s, GameUi& ui, Random& rnd, WordCursor& slovnik);

    GameState& stav() { return s_; }
    GameUi& ui() { return ui_; }

    // The two checks of a move (placement, then dictionary); true = accepted.
    bool Test();
    bool SlovoExistuje();
    // One dictionary scan of the new words; on a miss sets ChybneSlovo & co.
    bool existuje();
    // Takes the new tiles of a word back to the rack and asks for a new check.
    void Oprav(int x, int y, const std::string& slovo, bool vodorovne);
    void VratZpetPismeno(int tile);
    // Adds the word to the dictionary for good and asks for a new check.
    void Zarad(const std::string& slovo);
    void SetOpravimSam();

  private:
    void spocitejCasVyprsel();
    void provedVolbu(DialogVolba v, int x, int y, const std::string& slovo, bool vodorovne);

    GameState& s_;
    GameUi& ui_;
    Random& rnd_;
    WordCursor& slovnik_;
    TKontrolaForm kontrola_;
};

}  // namespace tb
