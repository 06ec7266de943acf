// The computer player's own estimate of a candidate, and the order in which
// the candidates are offered.

#include <algorithm>
#include <numeric>
#include <vector>

#include "engine/ai/computer_player.h"
#include "engine/game/tiles.h"

namespace tb {

int TAI::BodyP(char pismeno) {
    const int kod = letterCodeOf(pismeno);
    return kod == 0 ? 0 : letterInfo(kod).hodnota;
}

void TAI::InitBodovanePole() {
    static const auto mapa = [] {
        GameState s;
        tb::InitBodovanePole(s);
        return s.BodovanePole;
    }();
    bodovane_ = mapa;
}

// Every cell of the word counts with its premium, whether the tile there is
// new or already fixed; premiums never wear out in the estimate.
int TAI::GetBody(int n) const {
    const Kandidat& k = Kandidati[n];
    int soucet = 0, nasobek = 1;
    int x = k.X, y = k.Y;
    for (char c : k.Slovo) {
        int hodnota = BodyP(c);
        if (x >= 1 && x <= kBoard && y >= 1 && y <= kBoard) {
            const PremiumKrat krat = premiumKrat(bodovane_[x][y]);
            hodnota *= krat.pismeno;
            nasobek *= krat.slovo;
        }
        soucet += hodnota;
        if (k.Smer == 1)
            ++x;
        else
            ++y;
    }
    return soucet * nasobek;
}

// Drops words shorter than the game's minimum, then orders best first; of
// equal estimates the candidate found later comes first.
void TAI::Oboduj(int minPismen) {
    InitBodovanePole();
    int kept = 0;
    for (int n = 1; n <= PocetKandidatu; ++n)
        if (static_cast<int>(Kandidati[n].Slovo.size()) >= minPismen && ++kept != n)
            Kandidati[kept] = std::move(Kandidati[n]);
    PocetKandidatu = kept;

    std::vector<int> poradi(PocetKandidatu);
    std::vector<int> odhad(PocetKandidatu + 1);
    std::iota(poradi.begin(), poradi.end(), 1);
    for (int n = 1; n <= PocetKandidatu; ++n) odhad[n] = GetBody(n);
    std::sort(poradi.begin(), poradi.end(),
              [&](int a, int b) { return odhad[a] != odhad[b] ? odhad[a] > odhad[b] : a > b; });
    std::vector<Kandidat> serazene;
    serazene.reserve(PocetKandidatu);
    for (int n : poradi) {
        serazene.push_back(std::move(Kandidati[n]));
        serazene.back().Body = odhad[n];
    }
    for (int n = 1; n <= PocetKandidatu; ++n) Kandidati[n] = std::move(serazene[n - 1]);
}

}  // namespace tb
