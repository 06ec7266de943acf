#include "engine/ai/computer_turn.h"

#include "engine/game/move.h"

namespace tb {

void PocitacovyHrac::vratNoveKameny() {
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) hra_.VratZpetPismeno(x, y);
}

void PocitacovyHrac::JedPC() {
    hledej();
    if (ai_.PocetKandidatu > 0) ai_.PolozSlovo(hra_.stav(), hra_.ui());
    hra_.prehod();
    // The candidates are built to pass both checks. Should one ever be
    // refused, its tiles must not stay on the board with no one to move
    // them: they go back to the rack and the seat passes.
    if (jeNovyKamen(hra_.stav())) {
        vratNoveKameny();
        hra_.prehod();
    }
}

void PocitacovyHrac::TipClick(const std::function<int(const TAI&)>& tipDialog) {
    GameState& s = hra_.stav();
    GameUi& ui = hra_.ui();
    // A tile in the hand, or tiles being chosen for an exchange: a turn is a
    // word or an exchange, never both.
    if (s.VRuce.drzi() || s.RezimVymeny) return;
    ui.HrajZvuk(1);
    if (jeNovyKamen(s)) {
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
