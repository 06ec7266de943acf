#pragma once
// The in-game menu TGMenu over the board: return to the game, save the game
// (or the record being viewed), settings, word meaning, end the game.

#include <functional>

namespace tb {

struct UiContext;

enum class VolbaHerniMenu { Navrat, UlozitHru, UlozitPrubeh, Nastaveni, Konec };

// What the game screen does after the menu has closed with a choice; each
// hand-over to the menu screens is the game screen's and the menus' business.
struct HerniMenuAkce {
    std::function<void()> navrat, ulozitHru, ulozitPrubeh, nastaveni, konec;
};

// Shows the menu (the word meaning opens over it without closing it), runs
// the chosen action once the menu has closed and returns the choice. A menu
// closed without a choice (the game is being quit) returns Navrat and runs
// nothing.
VolbaHerniMenu showGameMenu(UiContext& ctx, const HerniMenuAkce& akce);

}  // namespace tb
