#include "engine/game/board_runs.h"

namespace tb {

std::vector<Beh> najdiBehy(bool vodorovne, const CteniPole& pevny, const CteniPole& novy) {
    // Along the run the position is `a`, across it `b`.
    auto at = [&](const CteniPole& f, int a, int b) { return vodorovne ? f(a, b) : f(b, a); };
    auto obsazeno = [&](int a, int b) { return at(pevny, a, b) != 0 || at(novy, a, b) != 0; };
    std::vector<Beh> out;
    for (int b = 1; b <= kBoard; ++b) {
        int a = 1;
        while (a <= kBoard) {
            if (at(novy, a, b) == 0) {
                ++a;
                continue;
            }
            int start = a;
            while (start > 1 && at(pevny, start - 1, b) != 0) --start;
            int end = a;
            while (end <= kBoard && obsazeno(end, b)) ++end;
            Beh run;
            run.vodorovne = vodorovne;
            run.x = vodorovne ? start : b;
            run.y = vodorovne ? b : start;
            run.delka = end - start;
            out.push_back(run);
            a = end + 1;
        }
    }
    return out;
}

std::vector<Beh> behyTahu(const GameState& s, bool vodorovne) {
    return najdiBehy(
        vodorovne, [&](int x, int y) { return s.Pole[x][y].Pevny; },
        [&](int x, int y) { return s.Pole[x][y].Novy; });
}

int kamenNa(const GameState& s, int x, int y) {
    const auto& c = s.Pole[x][y];
    return c.Pevny != 0 ? c.Pevny : c.Novy;
}

std::string pismenaBehu(const GameState& s, const Beh& b) {
    std::string out;
    for (int i = 0; i < b.delka; ++i) out += s.Kameny[kamenNa(s, b.cx(i), b.cy(i))].Pismeno;
    return out;
}

}  // namespace tb
