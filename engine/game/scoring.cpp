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

void Oboduj(GameState& s) {
    int celkem = 0;
    for (bool vodorovne : {true, false})
        for (const Beh& b : behyTahu(s, vodorovne)) {
            if (b.delka < 2) continue;  // a single letter is no word
            const int body = bodyBehu(s, b);
            celkem += body;
            s.Rozpis += pismenaBehu(s, b) + "(" + std::to_string(b.x) + "," + std::to_string(b.y) +
                        (vodorovne ? ") :" : "):") + std::to_string(body) + ",";
        }
    s.Hraci[s.NaTahu].BodyTah = celkem;
    s.Hraci[s.NaTahu].BodyCelkem += celkem;
}

}  // namespace tb
