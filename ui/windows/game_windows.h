#pragma once
// The windows the game screen opens, one function each, every one opened in
// the modal manner of screen/modal.h. Tests put their own answers in.

#include <functional>
#include <string>

#include "engine/ai/computer_player.h"
#include "engine/game/game_ui.h"
#include "ui/windows/ui_context.h"

namespace tb {

struct HerniOkna {
    std::function<DialogVolba(UiContext&, const ChybaPravidla&)> chybaPravidla;
    std::function<DialogVolba(UiContext&, const ChybaSlova&)> chybaSlova;
    std::function<void(UiContext&)> chybaVymena;
    // True when the player chose to browse the finished game.
    std::function<bool(UiContext&, const Vysledek&)> konecHry;
    std::function<void(UiContext&)> testSlova;
    std::function<void(UiContext&)> prubehHry;
    // The hint: the candidate to lay (1-based), the master's move n as -n,
    // 0 when closed.
    std::function<int(UiContext&, const TAI&, const NejlepsiTahy&)> tip;
    std::function<void(UiContext&)> poctyPismen;
    // The in-game menu; `zeHry` hands over to a menu screen (4 settings,
    // 7 save, 8 save the record, 0 the game is abandoned).
    std::function<void(UiContext&, const std::function<void(int)>& zeHry)> menuHry;
    // A file or data error during play, named in a box (UTF-8, "\n" between
    // lines); the game goes on.
    std::function<void(UiContext&, const std::string&)> chyba;
    // A question (UTF-8); true when the player answers yes.
    std::function<bool(UiContext&, const std::string&)> otazka;
};

// The game's own windows.
HerniOkna herniOkna();

// A plain box: a title, lines of text and buttons (texts in code page 1250);
// returns the 1-based number of the button clicked.
int volbaBox(UiContext& ctx, const std::string& nadpis, const std::vector<std::string>& radky,
             const std::vector<std::string>& tlacitka);

}  // namespace tb
