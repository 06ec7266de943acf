#include "engine/game/menu_reset.h"

namespace tb {

void MainInitMenu(GameState& s) {
    for (int n = 1; n <= kTiles; ++n) {
        s.Kameny[n].Vlastnik = 0;
        s.Kameny[n].Aktivni = false;
    }
    s.PocetVzdani = 0;
    s.CisloTahu = 0;
    s.PosledniTah = 0;
    s.Faze = Phase::Menu;
    for (auto& stojan : s.Zasobnik) stojan.fill(0);
    s.Pytel.fill(0);
    // Nothing of the move a game was left in: no tile in the hand or on the board.
    s.VRuce = {};
    for (auto& sloupec : s.Pole) sloupec.fill(Policko{});
}

bool hrajeClovek(const UserSettings& nast) {
    for (int p = 1; p <= nast.NastHracu && p <= kSeats; ++p)
        if (nast.NastPC[p] == kClovek) return true;
    return false;
}

bool PriradHodnoty(GameState& s, const UserSettings& nast) {
    s.PocetHracu = nast.NastHracu;
    s.MinPismen = nast.NastMinPismen;
    s.SLimitem = nast.NastLimit > 0;
    s.LimitTahu = nast.NastLimit > 0 ? nast.NastLimit : 0;
    for (int p = 1; p <= kSeats; ++p) s.Hraci[p].Jmeno = nast.MJmeno[p];
    for (int p = 1; p <= s.PocetHracu; ++p) s.VolbaPC[p] = nast.NastPC[p];
    if (!hrajeClovek(nast)) return false;
    s.Faze = Phase::NewGame;
    return true;
}

}  // namespace tb
