// The two checks of a move: the placement rules, then the dictionary. Each
// runs as a loop of check and correction through the error dialogs.
#include "engine/game/board_runs.h"
#include "engine/game/hra.h"
#include "engine/game/move.h"
#include "engine/game/move_preview.h"

namespace tb {

void Hra::spocitejCasVyprsel() {
    s_.CasVyprsel = s_.SLimitem && s_.ZbyvaCasu == 0;
}

void Hra::provedVolbu(DialogVolba v, int x, int y, const std::string& slovo, bool vodorovne) {
    // The box took over the time limit while it was open; whichever way it
    // is left, a failed addition to the dictionary included, the watch is on
    // again, so the move still times out.
    struct Hlidej {
        bool& hlidat;
        ~Hlidej() { hlidat = true; }
    } hlidej{s_.HlidatLimit};
    switch (v) {
        case DialogVolba::VzitZpet:
            Oprav(x, y, slovo, vodorovne);
            break;
        case DialogVolba::PridatSlovo:
            Zarad(slovo);
            break;
        case DialogVolba::OpravimSam:
        // A dialog closed without a choice refuses the move too: the tiles stay
        // where they are rather than letting a faulty move through unchecked.
        case DialogVolba::Zavreno:
            SetOpravimSam();
            break;
    }
}

bool Hra::Test() {
    s_.OpravimSam = false;
    s_.Opakovat = true;
    spocitejCasVyprsel();
    while (s_.Opakovat && !s_.OpravimSam) {
        s_.Opakovat = false;
        kontrola_.nactiTah(s_);
        const auto v = kontrola_.test(ui_);
        if (!v) continue;
        s_.HlidatLimit = false;  // the box took over the expired time limit
        provedVolbu(*v, kontrola_.x(), kontrola_.y(), kontrola_.slovo(), kontrola_.zRadku());
    }
    return !(s_.Opakovat && s_.OpravimSam);
}

bool Hra::SlovoExistuje() {
    s_.OpravimSam = false;
    s_.Opakovat = true;
    spocitejCasVyprsel();
    while (s_.Opakovat && !s_.OpravimSam) {
        s_.Opakovat = false;
        if (existuje()) continue;
        s_.HlidatLimit = false;
        ChybaSlova c;
        c.slovo = s_.ChybneSlovo;
        c.casVyprsel = s_.CasVyprsel;
        c.y = s_.ChybaY;
        c.x = s_.ChybaX;
        c.vodorovne = s_.ChybaVodorovne;
        const DialogVolba v = ui_.ChybaSlovaBox(c);
        provedVolbu(v, s_.ChybaX, s_.ChybaY, s_.ChybneSlovo, s_.ChybaVodorovne);
    }
    return !(s_.Opakovat && s_.OpravimSam);
}

bool Hra::existuje() {
    const std::optional<Beh> b = prvniNezname(s_, slovnik_);
    if (!b) return true;
    s_.ChybneSlovo = pismenaBehu(s_, *b);
    s_.ChybaX = b->x;
    s_.ChybaY = b->y;
    s_.ChybaVodorovne = b->vodorovne;
    return false;
}

void Hra::Oprav(int x, int y, const std::string& slovo, bool vodorovne) {
    s_.Opakovat = true;
    for (size_t i = 0; i < slovo.size(); ++i) {
        const int cx = vodorovne ? x + static_cast<int>(i) : x;
        const int cy = vodorovne ? y : y + static_cast<int>(i);
        if (cx > kBoard || cy > kBoard) break;
        VratZpetPismeno(cx, cy);
    }
}

bool Hra::VratZpetPismeno(int x, int y) {
    const int tile = s_.Pole[x][y].Novy;
    // With no free slot the tile stays on the board rather than vanish.
    const int slot = vratNaStojan(s_, x, y);
    if (slot != 0) ui_.KamenDoSlotu(s_.NaTahu, slot, tile);
    return slot != 0;
}

void Hra::Zarad(const std::string& slovo) {
    slovnik_.SeekNearest(slovo);
    slovnik_.InsertWord(slovo);
    s_.Opakovat = true;
}

void Hra::SetOpravimSam() {
    s_.Opakovat = true;
    s_.OpravimSam = true;
}

}  // namespace tb
