#include "engine/game/placement_checker.h"

#include "engine/game/board_runs.h"
#include "engine/game/tiles.h"

namespace tb {

void PlacementChecker::setSquare(int x, int y, int32_t pevny, int32_t novy) {
    Pole1[x][y] = pevny;
    Pole2[x][y] = novy;
}

void PlacementChecker::setRules(int32_t minPismen, bool casVyprsel, bool prvniTah) {
    minPismen_ = minPismen;
    casVyprsel_ = casVyprsel;
    prvniTah_ = prvniTah;
}

void PlacementChecker::nactiTah(const GameState& s) {
    for (int y = 1; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x) setSquare(x, y, s.Pole[x][y].Pevny, s.Pole[x][y].Novy);
    setRules(s.MinPismen, s.CasVyprsel, s.PrvniTah);
}

void PlacementChecker::markNeighbours() {
    Pole3 = {};
    auto oznac = [&](int x, int y) {
        if (Pole1[x][y] == 0) Pole3[x][y] = 1;
    };
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) {
            if (Pole1[x][y] == 0) continue;
            if (x >= 2) oznac(x - 1, y);
            if (x <= 14) oznac(x + 1, y);
            if (y >= 2) oznac(x, y - 1);
            if (y <= 14) oznac(x, y + 1);
        }
}

int32_t PlacementChecker::dlazdice(int x, int y) const {
    if (x < 1 || x > kBoard || y < 1 || y > kBoard) return 0;
    return Pole1[x][y] != 0 ? Pole1[x][y] : Pole2[x][y];
}

int32_t PlacementChecker::posoudBeh(int x, int y, bool vodorovne, int delka) const {
    if (delka == 1) {
        // A lone tile passes when the run across it is longer; that run is judged there.
        const bool soused = vodorovne ? (dlazdice(x, y - 1) || dlazdice(x, y + 1))
                                      : (dlazdice(x - 1, y) || dlazdice(x + 1, y));
        return soused ? Zadna : Samotne;
    }
    if (delka < minPismen_) return Kratke;
    bool navazuje = false, stred = false;
    for (int i = 0; i < delka; ++i) {
        const int cx = vodorovne ? x + i : x, cy = vodorovne ? y : y + i;
        if (Pole1[cx][cy] != 0 || Pole3[cx][cy] != 0) navazuje = true;
        if (cx == 8 && cy == 8) stred = true;
    }
    if (!prvniTah_ && !navazuje) return Nenavazuje;
    if (prvniTah_ && !stred) return Stred;
    return Zadna;
}

void PlacementChecker::najdi(bool vodorovne) {
    const auto behy = najdiBehy(
        vodorovne, [&](int x, int y) { return Pole1[x][y]; },
        [&](int x, int y) { return Pole2[x][y]; });
    for (const Beh& b : behy) {
        const int32_t k = posoudBeh(b.x, b.y, vodorovne, b.delka);
        if (k == Zadna) continue;
        kod_ = k;
        x_ = b.x;
        y_ = b.y;
        slovo_.clear();
        for (int i = 0; i < b.delka; ++i)
            slovo_ += letterInfo(letterCodeOfTile(dlazdice(b.cx(i), b.cy(i)))).pismeno;
        return;
    }
}

void PlacementChecker::findRowWords() {
    najdi(true);
}
void PlacementChecker::findColumnWords() {
    najdi(false);
}

bool PlacementChecker::hasFault() {
    kod_ = Zadna;
    zRadku_ = false;
    findRowWords();
    int32_t kodRadku = Zadna;
    if (kod_ != Zadna) {
        zRadku_ = true;
        kodRadku = kod_;
        kod_ = Zadna;
    }
    findColumnWords();
    if (kod_ != Zadna) zRadku_ = false;
    if (zRadku_) kod_ = kodRadku;
    return kod_ != Zadna;
}

std::optional<DialogVolba> PlacementChecker::test(GameUi& ui) {
    markNeighbours();
    if (!hasFault()) return std::nullopt;
    return ui.ChybaPravidlaBox(chyba());
}

ChybaPravidla PlacementChecker::chyba() const {
    ChybaPravidla c;
    c.casVyprsel = casVyprsel_;
    c.zRadku = zRadku_;
    c.minPismen = minPismen_;
    c.y = y_;
    c.x = x_;
    c.kod = kod_;
    c.slovo = slovo_;
    return c;
}

}  // namespace tb
