#include "engine/ai/computer_turn.h"

#include <optional>
#include <utility>

#include "engine/game/move.h"

namespace tb {

void PocitacovyHrac::vratNoveKameny() {
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) hra_.VratZpetPismeno(x, y);
}

bool PocitacovyHrac::hrajeMistr() const {
    const GameState& s = hra_.stav();
    return mistr_ && mistr_->dostupny() && s.NaTahu >= 1 && s.NaTahu <= kSeats &&
           s.Hraci[s.NaTahu].JePC == kMistr;
}

bool PocitacovyHrac::hledej(Kandidat& tah) {
    if (hrajeMistr()) try {
            return mistr_->nejlepsiTah(hra_.stav(), tah);
        } catch (const FileError&) {
            chyba_ = std::current_exception();
        }
    ai_.findCandidates(hra_.stav());
    if (ai_.PocetKandidatu < 1) return false;
    tah = ai_.Kandidati[1];
    return true;
}

void PocitacovyHrac::JedPC() {
    Kandidat tah;
    if (hledej(tah)) {
        polozKandidata(hra_.stav(), hra_.ui(), tah);
    } else if (hrajeMistr() && hra_.stav().Vytazeno < kTiles) {
        hra_.vymen([](int) { return true; });
        return;
    }
    hra_.prehod();
    // The candidates are built to pass both checks. Should one ever be
    // refused, its tiles must not stay on the board with no one to move
    // them: they go back to the rack and the seat passes.
    if (jeNovyKamen(hra_.stav())) {
        vratNoveKameny();
        hra_.prehod();
    }
    if (chyba_) std::rethrow_exception(std::exchange(chyba_, nullptr));
}

void PocitacovyHrac::TipClick(
    const std::function<int(const TAI&, const NejlepsiTahy&)>& tipDialog) {
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
    std::optional<std::vector<Kandidat>> nejlepsi;
    NejlepsiTahy seznam;
    if (mistr_ && mistr_->dostupny())
        seznam = [&]() -> const std::vector<Kandidat>& {
            if (!nejlepsi) nejlepsi = mistr_->vsechnyTahy(s);
            return *nejlepsi;
        };
    const int volba = tipDialog(ai_, seznam);
    if (volba < 0 && nejlepsi && -volba <= static_cast<int>(nejlepsi->size())) {
        polozKandidata(s, ui, (*nejlepsi)[-volba - 1]);
        hra_.prehod();
        return;
    }
    if (volba < 1 || volba > ai_.PocetKandidatu) return;
    ai_.VyberKandidata(volba);
    ai_.PolozSlovo(s, ui);
    hra_.prehod();
}

}  // namespace tb
