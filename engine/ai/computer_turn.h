#pragma once
// The computer player at the table: it makes the move of a computer seat
// when the turn cycle asks, and runs the hint for a person.

#include <functional>

#include "engine/ai/computer_player.h"
#include "engine/game/computer_seat.h"
#include "engine/game/hra.h"

namespace tb {

class PocitacovyHrac : public ComputerPlayer {
  public:
    // `kurzor` is the computer player's own cursor on the dictionary.
    PocitacovyHrac(Hra& hra, WordCursor& kurzor) : hra_(hra), ai_(kurzor) {}

    // Searches, lays candidate 1 if there is one, and ends the move (prehod);
    // the computer seats that follow play inside that call.
    void JedPC() override;

    // The hint button. Refused (with the exchange-refused box) while tiles of
    // the current move lie on the board. `tipDialog` pages through the sorted
    // candidates and returns the one to lay, or 0 when closed; a chosen one is
    // laid in place of candidate 1 and the turn is handed on.
    void TipClick(const std::function<int(const TAI&)>& tipDialog);

    const TAI& ai() const { return ai_; }

  protected:
    // The search and scoring of one computer move (self-play measures it).
    virtual void hledej() { ai_.findCandidates(hra_.stav()); }

  private:
    void vratNoveKameny();

    Hra& hra_;
    TAI ai_;
};

}  // namespace tb
