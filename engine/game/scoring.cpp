#include "engine/game/scoring.h"

#include <string>

#include "engine/game/tiles.h"

namespace tb {

int bodyBehu(const GameState& s, const Beh& b) {
    int soucet = 0, nasobek = 1;
    for (int i = 0; i < b.delka; ++i) {
        const int x = b.cx(i), y = b.cy(i);
        const PremiumKrat krat = premiumKrat(s.BodovanePole[x][y]);
        nasobek *= krat.slovo;
        soucet += s.Kameny[kamenNa(s, x, y)].Hodnota * krat.pismeno;
    }
    return soucet * nasobek;
}

std::vector<SlovoTahu> slovaTahu(const GameState& s) {
    std::vector<SlovoTahu> slova;
    for (bool vodorovne : {true, false})
        for (const Beh& b : behyTahu(s, vodorovne))
            if (b.delka >= 2)  // a single letter is no word
                slova.push_back({b, pismenaBehu(s, b), bodyBehu(s, b)});
    return slova;
}

std::string zapisSlova(const SlovoTahu& w) {
    return w.text + "(" + std::to_string(w.beh.x) + "," + std::to_string(w.beh.y) +
           (w.beh.vodorovne ? ") :" : "):") + std::to_string(w.body) + ",";
}

void Oboduj(GameState& s) {
    int celkem = 0;
    for (const SlovoTahu& w : slovaTahu(s)) {
        celkem += w.body;
        s.Rozpis += zapisSlova(w);
    }
    s.Hraci[s.NaTahu].BodyTah = celkem;
    s.Hraci[s.NaTahu].BodyCelkem += celkem;
}

}  // namespace tb
