#pragma once
// Moves typed as text, for the subcommands that play a move: the X,Y=LETTER
// form of a laid tile, laying it from the rack of the seat on move, and a
// screen that answers every error dialog of the move checks with one button.

#include <iosfwd>
#include <span>
#include <string>

#include "engine/ai/computer_player.h"
#include "engine/game/game_state.h"
#include "engine/game/game_ui.h"
#include "engine/record/move_record.h"

namespace tb::tool {

// Prints each dialog (one tab-separated line) and answers it with the chosen button.
class OdpovidajiciUi : public GameUi {
  public:
    OdpovidajiciUi(std::ostream& out, DialogVolba odpoved) : out_(out), odpoved_(odpoved) {}

    DialogVolba ChybaPravidlaBox(const ChybaPravidla& c) override;
    DialogVolba ChybaSlovaBox(const ChybaSlova& c) override;
    // The button for the dialogs of the next move.
    void odpovidej(DialogVolba odpoved) {
        odpoved_ = odpoved;
        dialogu_ = 0;
    }

  private:
    DialogVolba odpovez(bool casVyprsel);
    std::ostream& out_;
    DialogVolba odpoved_;
    int dialogu_ = 0;
};

// The button named takeback, add or self; throws UsageError for another name.
DialogVolba tlacitko(const std::string& jmeno);

struct Polozeni {
    int x, y;
    char pismeno;  // code page 1250
};

// "X,Y=L"; throws UsageError for another form, a square off the board or a
// letter that is no tile.
Polozeni rozeber(const std::string& arg);
// "X,Y", the same way: the square is {x, y, 0}.
Polozeni rozeberPole(const std::string& arg);
// Takes the first tile of the letter from the rack of the seat on move onto
// the square; throws UsageError naming `arg` when the square is taken or the
// letter is not on the rack.
void poloz(GameState& s, const Polozeni& p, const std::string& arg);

// Moves, one line each (word, points, x, y, H|V).
void vypisTahy(std::ostream& out, std::span<const Kandidat> tahy);
// The sorted candidates of a search, likewise.
void vypisKandidaty(std::ostream& out, const TAI& ai);

// The shell's `show`: the move, the seats with their racks, and the board
// (lower case fixed tiles, upper case tiles of this move, `.` empty).
void ukazHru(std::ostream& out, const GameState& s);

// Description (UTF-8) of the move that record `zaznam` (0-based) ends.
std::string rozpisTahu(const TZapis& zapis, int zaznam);

}  // namespace tb::tool
