// The nine buttons of the game screen's panel: lit (ON) under the pointer
// when usable, pressed (Down) while held; only a lit button takes a click.
#include "engine/record/replay.h"
#include "files/text.h"
#include "ui/game/game_screen.h"

namespace tb {
namespace {

const char* const kNapovedy[kTlacitek] = {
    "Předej Tah", "Výměna",       "Tah zpět",   "Tah vpřed", "Test slova",
    "Průběh hry", "Nejlepší tah", "Počty pís.", "Menu hry",
};

std::string napoveda(const GameState& s, int i) {
    if (i == kChange && s.RezimVymeny) return utf8ToCp1250("Vyměň!");
    return utf8ToCp1250(kNapovedy[i]);
}

}  // namespace

bool GameScreen::muzeSvitit(int i) const {
    const GameState& s = ctx_.s;
    switch (i) {
        case kNext:
        case kBack:
        case kFF:
        case kTip:
            return !s.RezimVymeny;
        case kChange:
            return s.Vytazeno < kTiles;
        default:
            return true;
    }
}

void GameScreen::VypniMenu() {
    for (const Tlacitko& t : form_.tlacitka) {
        if (!t.ON->visible) continue;
        t.ON->visible = false;
        painter_.tvar(t.tvar);
    }
    form_.Display->caption.clear();
    painter_.VymazLabel();
}

void GameScreen::OffMouseMove(int i) {
    VypniMenu();
    painter_.PrintPozadi();
    const Tlacitko& t = form_.tlacitka[i];
    if (muzeSvitit(i)) {
        t.ON->visible = true;
        painter_.tvar(t.tvar + 1);
        form_.Display->caption = napoveda(ctx_.s, i);
        painter_.CopyLabel(*form_.Display, 79);
    }
    painter_.kurzor();
}

void GameScreen::OnMouseMove(int i) {
    painter_.PrintPozadi();
    painter_.tvar(form_.tlacitka[i].tvar + (form_.tlacitka[i].Down->visible ? 2 : 1));
    painter_.kurzor();
}

void GameScreen::OnMouseDown(int i) {
    const Tlacitko& t = form_.tlacitka[i];
    t.Down->visible = true;
    if (i == kChange && !ctx_.s.RezimVymeny) form_.Display->caption = utf8ToCp1250("Vyber pís.");
    painter_.PrintPozadi();
    painter_.tvar(t.tvar + 2);
    if (t.horni)
        painter_.kurzor();
    else
        ctx_.app.flip();  // a window opens: no pointer over the pressed face
}

void GameScreen::OnMouseUp(int i) {
    const Tlacitko& t = form_.tlacitka[i];
    t.Down->visible = false;
    if (!t.horni) {
        if (t.ON->visible) painter_.tvar(t.tvar + 1);
        ctx_.app.flip();
        return;
    }
    if (i == kChange) form_.Odpocet->font.color = Rgb{255, 255, 255};
    if (t.ON->visible && !muzeSvitit(i)) t.ON->visible = false;
    if (t.ON->visible) form_.Display->caption = napoveda(ctx_.s, i);
    painter_.PrintPozadi();
    if (t.ON->visible) painter_.tvar(t.tvar + 1);
    painter_.kurzor();
}

void GameScreen::okno(const std::function<void(UiContext&)>& otevri) {
    HrajZvuk(1);
    if (otevri) otevri(ctx_);
}

void GameScreen::OnClick(int i) {
    if (!hra_) return;
    GameState& s = ctx_.s;
    switch (i) {
        case kNext:
            hra_->PrehazujClick();
            break;
        case kChange:
            hra_->VymenitClick();
            break;
        case kBack:
            ZpetClick(s, *this, hra_->zapis());
            break;
        case kFF:
            VpredClick(s, *this, hra_->zapis());
            break;
        case kKontrola:
            okno(okna_.testSlova);
            break;
        case kPrubeh:
            okno(okna_.prubehHry);
            break;
        case kTip:
            if (TipClick) TipClick();
            break;
        case kPocty:
            okno(okna_.poctyPismen);
            break;
        case kMenu:
            HrajZvuk(1);
            if (okna_.menuHry) okna_.menuHry(ctx_, menuHry);
            break;
    }
}

}  // namespace tb
