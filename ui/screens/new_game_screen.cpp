// The new-game screen: seats, names, computer seats and their level, minimum letters, time
// limit; OK starts the game unless no person would play.

#include "engine/game/menu_reset.h"
#include "platform/draw.h"
#include "ui/screens/main_menu_screen.h"

namespace tb {
namespace {

// A value stepped by one press of Minus or Plus, wrapping at its ends.
int krok(int v, int o, int min, int max) {
    v += o;
    if (v > max) return min;
    if (v < min) return max;
    return v;
}

}  // namespace

void TMainMenu::ukazJmena(bool ukaz) {
    for (int p = 1; p <= kSeats; ++p) MJmeno_[p]->visible = ukaz;
    if (!ukaz && h_.form.focus() && h_.form.focus()->name.starts_with("MJmeno"))
        h_.form.setFocus(nullptr);
}

void TMainMenu::PrintNew() {
    if (!MJmeno_[1]->visible) ukazJmena(true);
    ImageList& nove = obr("DXNew");
    ImageList& zbytek = obr("DXZbytek");
    ImageList& cisla = obr("DXCisla");
    nove[0].draw(plocha(), 380, 145);
    nove[1].draw(plocha(), 285, 250);
    nove[2].draw(plocha(), 651, 251);
    zbytek[0].draw(plocha(), 257, 334);
    zbytek[2].draw(plocha(), 256, 376);
    zbytek[1].draw(plocha(), 310, 420);
    zbytek[5].draw(plocha(), 270, 465);
    zbytek[6].draw(plocha(), 693, 469);
    zbytek[7].draw(plocha(), 330, 520);
    zbytek[8].draw(plocha(), 623, 533);
    const UserSettings& n = h_.nast;
    cisla[n.NastHracu - 2].draw(plocha(), 655, 255);
    cisla[n.NastMinPismen + 1].draw(plocha(), 697, 473);
    cisla[n.NastLimit / 30 + 7].draw(plocha(), 627, 537);
    for (int p = 1; p <= kSeats; ++p)
        zbytek[n.NastPC[p] == kMistr ? 17 : n.NastPC[p] ? 4 : 3].draw(plocha(), 125 + 142 * p, 420);
    NewTlacitka();
    if (!vMenu()) return;
    NewPC();
    napisHlasku(365, 655, 312);
}

void TMainMenu::NewTlacitka() {
    ImageList& nove = obr("DXNew");
    UserSettings& n = h_.nast;
    for (int b = 1; b <= 8; ++b) {
        if (tlacitko(6 + b, nove, 3 * b, 3 * b + 1, 3 * b + 2) != kStisknuto) continue;
        switch (b) {
            case 1:
                n.NastHracu = krok(n.NastHracu, -1, 2, 4);
                break;
            case 2:
                n.NastHracu = krok(n.NastHracu, 1, 2, 4);
                break;
            case 3:
                n.NastMinPismen = krok(n.NastMinPismen, -1, 2, 5);
                break;
            case 4:
                n.NastMinPismen = krok(n.NastMinPismen, 1, 2, 5);
                break;
            case 5:
                n.NastLimit = krok(n.NastLimit, -30, 0, 300);
                break;
            case 6:
                n.NastLimit = krok(n.NastLimit, 30, 0, 300);
                break;
            case 7:
                OkNova();
                return;
            case 8:
                MenuVolba = kMenuHlavni;
                break;
        }
    }
}

void TMainMenu::NewPC() {
    UserSettings& n = h_.nast;
    for (int p = 1; p <= kSeats; ++p) {
        if (!uvnitr(26 + p) || !Klik) continue;
        h_.ctx.HrajZvuk(1);
        // A person, the computer player, the master, and round again.
        n.NastPC[p] = (n.NastPC[p] + 1) % (kMistr + 1);
        // Toggling always gives the seat its default name.
        n.MJmeno[p] = vychoziJmeno(p, n.NastPC[p]);
        MJmeno_[p]->text = n.MJmeno[p];
        MJmeno_[p]->enabled = !n.NastPC[p];
        if (!MJmeno_[p]->enabled && h_.form.focus() == MJmeno_[p]) h_.form.setFocus(nullptr);
        Klik = false;
    }
}

void TMainMenu::MainInit() {
    MainInitMenu(h_.ctx.s);
    if (h_.novaHra) h_.novaHra();
}

void TMainMenu::OkNova() {
    // A table of computers alone is refused, and not kept as the choices.
    if (!hrajeClovek(h_.nast)) {
        Hlaska = "Aspoň jeden hráč musí být člověk";
        return;
    }
    bezpecne([&] { SaveUserData(h_.nast, h_.ctx.s, h_.ctx.user); });
    MainInit();
    PriradHodnoty(h_.ctx.s, h_.nast);
    predejHre();
    h_.hra.NastavCasovac(true, 1);
}

}  // namespace tb
