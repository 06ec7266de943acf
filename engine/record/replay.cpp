#include "engine/record/replay.h"

#include <string>

#include "engine/game/move.h"

namespace tb {
namespace {

int krokCez(const GameState& s, int r, int (*soused)(const GameState&, int)) {
    int q = s.NaTahu;
    for (int krok = 1; krok <= 3; ++krok) {
        q = soused(s, q);
        if (s.Hraci[q].JePC == 0) return r >= krok ? krok : 0;
    }
    return r >= 4 ? 4 : 0;
}

int krokTahu(const GameState& s, GameUi& ui, bool hlasit, int r,
             int (*soused)(const GameState&, int)) {
    if (s.VRuce.drzi()) return 0;  // a tile in the hand belongs to the position on screen
    if (jeNovyKamen(s)) {
        if (hlasit) ui.ChybaVymenaBox();
        return 0;
    }
    return krokCez(s, r, soused);
}

// A position without a fixed tile waits for the first word, whichever
// record it is (a game may begin with passes).
void nastavPrvniTah(GameState& s) {
    s.PrvniTah = true;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (s.Pole[x][y].Pevny != 0) s.PrvniTah = false;
}

// Shows the position CisloTahu now names; on a bad record the counter goes
// back by `zpet` and the error goes on to the screen.
void krok(GameState& s, GameUi& ui, const TZapis& zapis, int zpet) {
    try {
        PrehodTah(s, ui, zapis);
    } catch (...) {
        s.CisloTahu += zpet;
        throw;
    }
}

}  // namespace

void PrehodTah(GameState& s, GameUi& ui, const TZapis& zapis) {
    const int byl = s.NaTahu;
    zapis.InitTah(s);  // throws before changing anything on a bad record
    nastavPrvniTah(s);
    ui.VypniJmeno(byl);
    s.SekundTahu = 0;
    for (int t = 1; t <= kTiles; ++t) ui.UkazKamen(t, false);
    for (int p = 1; p <= kSeats; ++p)
        for (int slot = 1; slot <= kRack; ++slot)
            if (const int t = s.Zasobnik[p][slot]; t != 0 && !nahranaHra(s))
                ui.ukazVeSlotu(p, slot, t);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (const int t = s.Pole[x][y].Pevny; t != 0) ui.KamenNaPole(t, x, y);
    for (int p = 1; p <= kSeats; ++p) {
        ui.NastavTitulek(Titulek::BodyTah, p, std::to_string(s.Hraci[p].BodyTah));
        ui.NastavTitulek(Titulek::BodyCelkem, p, std::to_string(s.Hraci[p].BodyCelkem));
    }
    s.AktSlot = 1;
    ui.KurzorNaSlot(s.NaTahu, 1);
    ui.ZapniJmeno(s.NaTahu);
    if (!nahranaHra(s)) ui.prekresli();
}

int PrehodHraceVpred(const GameState& s, int hrac) {
    return hrac == s.PocetHracu ? 1 : hrac + 1;
}
int PrehodHraceVzad(const GameState& s, int hrac) {
    return hrac == 1 ? s.PocetHracu : hrac - 1;
}

int TestZmenaTahuVzad(const GameState& s, GameUi& ui, bool hlasit) {
    return krokTahu(s, ui, hlasit, s.CisloTahu - 1, PrehodHraceVzad);
}

int TestZmenaTahuVpred(const GameState& s, GameUi& ui, bool hlasit) {
    return krokTahu(s, ui, hlasit, s.PosledniTah - s.CisloTahu, PrehodHraceVpred);
}

void ZpetClick(GameState& s, GameUi& ui, const TZapis& zapis) {
    const int kroku = TestZmenaTahuVzad(s, ui, true);
    for (int i = 0; i < kroku; ++i) {
        ui.HrajZvuk(1);
        --s.CisloTahu;
        krok(s, ui, zapis, +1);
    }
}

void VpredClick(GameState& s, GameUi& ui, const TZapis& zapis) {
    const int kroku = TestZmenaTahuVpred(s, ui, true);
    for (int i = 0; i < kroku; ++i) {
        ui.HrajZvuk(1);
        ++s.CisloTahu;
        krok(s, ui, zapis, -1);
    }
}

}  // namespace tb
