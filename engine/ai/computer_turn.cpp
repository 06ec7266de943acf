#include "engine/ai/computer_turn.h"

namespace tb {

bool PocitacovyHrac::noveKameny() const {
    const GameState& s = hra_.stav();
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (s.Pole[x][y].Novy != 0) return true;
    return false;
}

void PocitacovyHrac::vratNoveKameny() {
    GameState& s = hra_.stav();
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (const int t = s.Pole[x][y].Novy) {
                s.Pole[x][y].Novy = 0;
                hra_.VratZpetPismeno(t);
            }
}

void PocitacovyHrac::JedPC() {
    hledej();
    if (ai_.PocetKandidatu > 0) ai_.PolozSlovo(hra_.stav(), hra_.ui());
    hra_.prehod();
    // The candidates are built to pass both checks. Should one ever be
    // refused, its tiles must not stay on the board with no one to move
    // them: they go back to the rack and the seat passes.
    if (noveKameny()) {
        vratNoveKameny();
        hra_.prehod();
    }
}

void PocitacovyHrac::TipClick(const std::function<int(const TAI&)>& tipDialog) {
    GameState& s = hra_.stav();
    GameUi& ui = hra_.ui();
    // A tile in the hand, or tiles being chosen for an exchange: a turn is a
    // word or an exchange, never both.
    if (s.NaTahu == kNese || s.RezimVymeny) return;
    ui.HrajZvuk(1);
    if (noveKameny()) {
        ui.ChybaVymenaBox();
        return;
    }
    ui.NastavTitulek(Titulek::Display, 0, "Pracuji!");
    ui.prekresli();
    ai_.findCandidates(s);
    ui.NastavTitulek(Titulek::Display, 0, "");
    ui.prekresli();
    const int volba = tipDialog(ai_);
    if (volba < 1 || volba > ai_.PocetKandidatu) return;
    ai_.VyberKandidata(volba);
    ai_.PolozSlovo(s, ui);
    hra_.prehod();
}

}  // namespace tb
