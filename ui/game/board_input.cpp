// The person's mouse on the board and the racks: picking a tile up, carrying
// it, dropping it on a free square or an empty rack slot, lifting a tile laid
// this move, the exchange marks; and the keys of the game screen.
#include <algorithm>
#include <cmath>

#include "engine/game/move.h"
#include "engine/game/tile_positions.h"
#include "ui/game/game_screen.h"

namespace tb {
namespace {

constexpr double kRozestup = 37.714285;  // drawing pitch of the board cells
constexpr int kZasah = 38;               // hit-testing pitch

}  // namespace

void GameScreen::nesenyKamen() {
    form_.myska->left = ctx_.app.mouseX() - 16;
    form_.myska->top = ctx_.app.mouseY() - 16;
    painter_.PrintMyska(form_.myska->left, form_.myska->top);
}

void GameScreen::ImageMouseMove(Control& c, int, int) {
    GameState& s = ctx_.s;
    const int n = form_.kamenOf(c);
    if (s.VRuce.drzi()) {
        form_.KurzorAno->visible = true;
        nesenyKamen();
        return;
    }
    if (n != 0 && s.Kameny[n].Aktivni) {
        if (const int slot = slotKamene(s, n)) s.AktSlot = slot;
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
    if (n == 0 || s.VRuce.drzi() || !s.Kameny[n].Aktivni) return;
    // The slot is found from the tile itself: a stale AktSlot must never
    // empty another slot.
    const int slot = s.Kameny[n].Vlastnik != kNaBoard ? slotKamene(s, n) : 0;
    if (s.Kameny[n].Vlastnik != kNaBoard) {
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
    }
    if (!vezmi(s, n)) return;
    HrajZvuk(2);
    if (slot != 0) {
        Control& marker = *form_.Opanel[slot];
        marker.left = c.left;
        marker.top = c.top;
        marker.visible = true;
    }
    form_.KurzorAno->visible = slot != 0;
    form_.LeftPovrch->enabled = true;
    c.visible = false;
    s.CilX = s.CilY = 0;
    nesenyKamen();
}

void GameScreen::HraciPlochaMouseMove(int x, int y) {
    VypniMenu();
    GameState& s = ctx_.s;
    if (!s.VRuce.drzi()) {
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

// The tile in the hand has been put down: the mouse carries nothing.
void GameScreen::polozDrzeny() {
    HrajZvuk(3);
    form_.myska->visible = false;
    form_.LeftPovrch->enabled = false;
}

void GameScreen::HraciPlochaClick() {
    GameState& s = ctx_.s;
    const int t = s.VRuce.kamen;
    if (!polozNaPole(s, s.CilX, s.CilY)) return;
    polozDrzeny();
    const Bod b = polohaNaDesce(s.CilX, s.CilY);
    form_.umisti(t, b.x, b.y, true);
    form_.KurzorAno->left = b.x - 5;
    form_.KurzorAno->top = b.y - 5;
    form_.KurzorAno->visible = true;
    painter_.PrintPozadi();
    painter_.kurzor();
}

void GameScreen::OpanelMouseMove(Control& c, int, int) {
    GameState& s = ctx_.s;
    if (!s.VRuce.drzi()) {
        painter_.PrintPozadi();
        painter_.kurzor();
        return;
    }
    s.CilX = s.NaTahu + 20;  // names no board square
    s.CilY = GameForm::slotOf(c);
    form_.KurzorAno->left = c.left - 5;
    form_.KurzorAno->top = c.top - 5;
    form_.KurzorAno->visible = true;
    nesenyKamen();
}

void GameScreen::OpanelClick(Control& c) {
    GameState& s = ctx_.s;
    const int t = s.VRuce.kamen;
    if (!polozDoSlotu(s, GameForm::slotOf(c))) return;
    polozDrzeny();
    form_.umisti(t, c.left, c.top, true);
    form_.KurzorAno->visible = false;
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
    if (ctx_.s.VRuce.drzi())
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
