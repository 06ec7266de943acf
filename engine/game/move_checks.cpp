// The two checks of a move: the placement rules, then the dictionary. Each
// runs as a loop of check and correction through the error dialogs.
#include "engine/game/board_runs.h"
#include "engine/game/hra.h"
#include "engine/game/move.h"

namespace tb {

void Hra::spocitejCasVyprsel() {
    s_.CasVyprsel = (s_.SLimitem && s_.ZbyvaCasu == 0) ? 1 : 0;
}

void Hra::provedVolbu(DialogVolba v, int x, int y, const std::string& slovo, bool vodorovne) {
    // The box took over the time limit while it was open; whichever way it
    // is left, a failed addition to the dictionary included, the watch is on
    // again, so the move still times out.
    struct Hlidej {
        uint8_t& hlidat;
        ~Hlidej() { hlidat = 1; }
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
    s_.OpravimSam = 0;
    s_.Opakovat = 1;
    spocitejCasVyprsel();
    while (s_.Opakovat && !s_.OpravimSam) {
        s_.Opakovat = 0;
        for (int y = 1; y <= kBoard; ++y)
            for (int x = 1; x <= kBoard; ++x)
                kontrola_.setSquare(x, y, s_.Pole[x][y].Pevny, s_.Pole[x][y].Novy);
        kontrola_.setRules(s_.MinPismen, s_.CasVyprsel, s_.PrvniTah);
        const auto v = kontrola_.test(ui_);
        if (!v) continue;
        s_.HlidatLimit = 0;  // the box took over the expired time limit
        provedVolbu(*v, kontrola_.x(), kontrola_.y(), kontrola_.slovo(), kontrola_.zRadku() == 1);
    }
    return !(s_.Opakovat && s_.OpravimSam);
}

bool Hra::SlovoExistuje() {
    s_.OpravimSam = 0;
    s_.Opakovat = 1;
    spocitejCasVyprsel();
    while (s_.Opakovat && !s_.OpravimSam) {
        s_.Opakovat = 0;
        if (existuje()) continue;
        s_.HlidatLimit = 0;
        ChybaSlova c;
        c.slovo = s_.ChybneSlovo;
        c.casVyprsel = s_.CasVyprsel;
        c.y = s_.ChybaY;
        c.x = s_.ChybaX;
        c.vodorovne = s_.ChybaVodorovne;
        const DialogVolba v = ui_.ChybaSlovaBox(c);
        provedVolbu(v, s_.ChybaX, s_.ChybaY, s_.ChybneSlovo, s_.ChybaVodorovne == 1);
    }
    return !(s_.Opakovat && s_.OpravimSam);
}

bool Hra::existuje() {
    bool vse = true;
    // Both directions are scanned, so a missing column word is the one reported.
    for (bool vodorovne : {true, false})
        for (const Beh& b : behyTahu(s_, vodorovne)) {
            if (b.delka < 2) continue;  // a single letter is no word
            const std::string slovo = pismenaBehu(s_, b);
            if (slovnik_.Lookup(slovo)) continue;
            s_.ChybneSlovo = slovo;
            s_.ChybaX = b.x;
            s_.ChybaY = b.y;
            s_.ChybaVodorovne = vodorovne ? 1 : 0;
            vse = false;
            break;
        }
    return vse;
}

void Hra::Oprav(int x, int y, const std::string& slovo, bool vodorovne) {
    s_.Opakovat = 1;
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
    s_.Opakovat = 1;
}

void Hra::SetOpravimSam() {
    s_.Opakovat = 1;
    s_.OpravimSam = 1;
}

}  // namespace tb
