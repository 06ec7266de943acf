// The person's mouse on the board and the racks: picking a tile up, carrying
// it, dropping it on a free square or an empty rack slot, lifting a tile laid
// this move, the exchange marks; and the keys of the game screen.
#include <algorithm>
#include <cmath>

#include "engine/game/tile_positions.h"
#include "ui/game/game_screen.h"

namespace tb {
namespace {

constexpr double kRozestup = 37.714285;  // drawing pitch of the board cells
constexpr int kZasah = 38;               // hit-testing pitch

int slotKamene(const GameState& s, int hrac, int tile) {
    if (hrac < 1 || hrac > kSeats) return 0;
    for (int i = 1; i <= kRack; ++i)
        if (s.Zasobnik[hrac][i] == tile) return i;
    return 0;
}

}  // namespace

void GameScreen::nesenyKamen() {
    form_.myska->left = ctx_.app.mouseX() - 16;
    form_.myska->top = ctx_.app.mouseY() - 16;
    painter_.PrintMyska(form_.myska->left, form_.myska->top);
}

void GameScreen::ImageMouseMove(Control& c, int, int) {
    GameState& s = ctx_.s;
    const int n = form_.kamenOf(c);
    if (s.Nese) {
        form_.KurzorAno->visible = true;
        nesenyKamen();
        return;
    }
    if (n != 0 && s.Kameny[n].Aktivni) {
        if (const int slot = slotKamene(s, s.NaTahu, n)) s.AktSlot = slot;
        Control& ram = s.RezimVymeny ? *form_.KV : *form_.KurzorAno;
        ram.left = c.left - 5;
        ram.top = c.top - 5;
        ram.visible = true;
    }
    painter_.PrintPozadi();
    painter_.kurzor();
}

void GameScreen::ImageClick(Control& c) {
    GameState& s = ctx_.s;
    const int n = form_.kamenOf(c);
    if (n == 0 || s.NaTahu == kNese || !s.Kameny[n].Aktivni) return;
    if (s.Kameny[n].Vlastnik != kNaBoard) {
        // The slot is found from the tile itself: a stale AktSlot must never
        // empty another slot.
        const int slot = slotKamene(s, s.NaTahu, n);
        if (slot == 0) return;
        s.AktSlot = slot;
        if (s.RezimVymeny) {
            HrajZvuk(1);
            Control& kv = *form_.KVs[slot];
            kv.left = c.left;
            kv.top = c.top;
            kv.visible = true;
            painter_.PrintPozadi();
            painter_.kurzor();
            return;
        }
        HrajZvuk(2);
        s.Zasobnik[s.NaTahu][slot] = 0;
        Control& marker = *form_.Opanel[slot];
        marker.left = c.left;
        marker.top = c.top;
        marker.visible = true;
        form_.KurzorAno->visible = true;
    } else {
        for (auto& sloupec : s.Pole)
            for (Policko& p : sloupec)
                if (p.Novy == n) p.Novy = 0;
        HrajZvuk(2);
        form_.KurzorAno->visible = false;
    }
    s.UlozenyHrac = s.NaTahu;
    s.NaTahu = kNese;
    s.DrzenyKamen = n;
    form_.LeftPovrch->enabled = true;
    c.visible = false;
    s.Nese = 1;
    s.CilX = s.CilY = 0;
    nesenyKamen();
}

void GameScreen::HraciPlochaMouseMove(int x, int y) {
    VypniMenu();
    GameState& s = ctx_.s;
    if (!s.Nese) {
        painter_.PrintPozadi();
        painter_.kurzor();
        return;
    }
    s.CilX = std::clamp((x - 4) / kZasah + 1, 1, kBoard);
    s.CilY = std::clamp((y - 4) / kZasah + 1, 1, kBoard);
    const Policko& p = s.Pole[s.CilX][s.CilY];
    if (p.Pevny == 0 && p.Novy == 0) {
        form_.KurzorAno->left = static_cast<int>(std::nearbyint((s.CilX - 1) * kRozestup + 1)) +
                                form_.HraciPlocha->left;
        form_.KurzorAno->top =
            static_cast<int>(std::nearbyint((s.CilY - 1) * kRozestup)) + form_.HraciPlocha->top;
        form_.KurzorAno->visible = true;
    }
    nesenyKamen();
}

// The tile in the hand is put down: the hand is empty and the player on move again.
void GameScreen::polozDrzeny() {
    GameState& s = ctx_.s;
    HrajZvuk(3);
    s.Nese = 0;
    form_.myska->visible = false;
    s.NaTahu = s.UlozenyHrac;
    form_.LeftPovrch->enabled = false;
}

void GameScreen::HraciPlochaClick() {
    GameState& s = ctx_.s;
    if (!s.Nese || s.CilX < 1 || s.CilX > kBoard || s.CilY < 1 || s.CilY > kBoard) return;
    Policko& p = s.Pole[s.CilX][s.CilY];
    if (p.Pevny != 0 || p.Novy != 0) return;
    polozDrzeny();
    const Bod b = polohaNaDesce(s.CilX, s.CilY);
    form_.umisti(s.DrzenyKamen, b.x, b.y, true);
    form_.KurzorAno->left = b.x - 5;
    form_.KurzorAno->top = b.y - 5;
    form_.KurzorAno->visible = true;
    s.Kameny[s.DrzenyKamen].Vlastnik = kNaBoard;
    p.Novy = s.DrzenyKamen;
    painter_.PrintPozadi();
    painter_.kurzor();
}

void GameScreen::OpanelMouseMove(Control& c, int, int) {
    GameState& s = ctx_.s;
    if (!s.Nese) {
        painter_.PrintPozadi();
        painter_.kurzor();
        return;
    }
    s.CilX = s.UlozenyHrac + 20;  // names no board square
    s.CilY = GameForm::slotOf(c);
    form_.KurzorAno->left = c.left - 5;
    form_.KurzorAno->top = c.top - 5;
    form_.KurzorAno->visible = true;
    nesenyKamen();
}

void GameScreen::OpanelClick(Control& c) {
    GameState& s = ctx_.s;
    const int slot = GameForm::slotOf(c);
    if (!s.Nese || slot < 1 || slot > kRack || s.Zasobnik[s.UlozenyHrac][slot] != 0) return;
    polozDrzeny();
    form_.umisti(s.DrzenyKamen, c.left, c.top, true);
    form_.KurzorAno->visible = false;
    s.Kameny[s.DrzenyKamen].Vlastnik = s.NaTahu;
    s.Zasobnik[s.NaTahu][slot] = s.DrzenyKamen;
    painter_.PrintPozadi();
    painter_.kurzor();
}

void GameScreen::KVClick(Control& c) {
    HrajZvuk(1);
    c.visible = false;
    painter_.PrintPozadi();
    painter_.kurzor();
}

void GameScreen::KVMouseMove(Control& c) {
    form_.KV->left = c.left - 5;
    form_.KV->top = c.top - 5;
    form_.KV->visible = true;
    painter_.PrintPozadi();
    painter_.kurzor();
}

void GameScreen::FormMouseMove() {
    VypniMenu();
    if (ctx_.s.Nese)
        nesenyKamen();
    else {
        painter_.PrintPozadi();
        painter_.kurzor();
    }
}

void GameScreen::FormKeyPress(char& key) {
    if (key == '\\') {
        UkazFPS = !UkazFPS;
        return;
    }
    if (key != 27) return;
    if (ctx_.app.timer().Interval() == 1000) {
        // As a press and click of the menu button.
        OnMouseDown(kMenu);
        OnClick(kMenu);
        OnMouseUp(kMenu);
    } else if (klavesaMenu) {
        klavesaMenu(key);
    } else {
        form_.close();
    }
}

}  // namespace tb
