#pragma once
// The computer player at the table: it makes the move of a computer seat
// when the turn cycle asks, and runs the hint for a person.

#include <exception>
#include <functional>

#include "engine/ai/computer_player.h"
#include "engine/ai/master.h"
#include "engine/game/computer_seat.h"
#include "engine/game/hra.h"

namespace tb {

class PocitacovyHrac : public ComputerPlayer {
  public:
    // `kurzor` is the computer player's own cursor on the dictionary; without
    // a master its seats play as the computer player.
    PocitacovyHrac(Hra& hra, WordCursor& kurzor, Mistr* mistr = nullptr)
        : hra_(hra), ai_(kurzor), mistr_(mistr) {}

    // Searches, lays the move found if there is one, and ends the move
    // (prehod); the computer seats that follow play inside that call. The
    // master with no move exchanges its rack while the bag has tiles. When
    // its word graph cannot be read, the computer player makes the move and
    // the FileError comes after it.
    void JedPC() override;

    // The hint button. Refused (with the exchange-refused box) while tiles of
    // the current move lie on the board. `tipDialog` pages through the sorted
    // candidates, or the master's moves when there is a master, and returns
    // the one to lay: candidate n as n, the master's move n as -n, 0 when
    // closed. A chosen candidate is laid in place of candidate 1; then the
    // turn is handed on.
    void TipClick(const std::function<int(const TAI&, const NejlepsiTahy&)>& tipDialog);

    const TAI& ai() const { return ai_; }

  protected:
    // The search and choice of one computer move (self-play measures it);
    // false when there is no move.
    virtual bool hledej(Kandidat& tah);
    bool hrajeMistr() const;

  private:
    void vratNoveKameny();

    Hra& hra_;
    TAI ai_;
    Mistr* mistr_;
    std::exception_ptr chyba_;  // the master's graph could not be read
};

}  // namespace tb
