#include "engine/record/winner.h"

#include <algorithm>

#include "files/text.h"

namespace tb {

int Serad3(int t1, int t2, int t3) {
    if (t1 == t2 || t1 == t3 || t2 == t3) return 0;
    const int m = t2 < t1 ? 1 : 2;
    return (m == 1 ? t1 : t2) <= t3 ? 3 : m;
}

int Serad4(int t1, int t2, int t3, int t4) {
    if (t1 == t2 || t1 == t3 || t1 == t4 || t2 == t3 || t2 == t4 || t3 == t4) return 0;
    const int t[] = {0, t1, t2, t3, t4};
    int w = t2 < t1 ? 1 : 2;
    if (t[w] <= t3) w = 3;
    return t[w] <= t4 ? 4 : w;
}

Vysledek vysledekHry(const GameState& s, const std::string& casCelkem) {
    Vysledek v;
    auto vitez = [&](int p) { v.radekVitez = utf8ToCp1250("Jméno vítěze: ") + s.Hraci[p].Jmeno; };
    const auto& h = s.Hraci;
    if (s.PocetHracu == 2) {
        const int t1 = h[1].BodyCelkem, t2 = h[2].BodyCelkem;
        if (h[1].JePC || h[2].JePC) {
            // Rules in this order; with two computer seats the last one that applies shows.
            auto pravidlo = [&](bool plati, VysledekObrazek o, int p) {
                if (!plati) return;
                v.obrazek = o;
                vitez(p);
            };
            pravidlo(h[1].JePC && t1 > t2, VysledekObrazek::Lost, 1);
            pravidlo(h[1].JePC && t1 < t2, VysledekObrazek::Win, 2);
            pravidlo(h[2].JePC && t1 < t2, VysledekObrazek::Lost, 2);
            pravidlo(h[2].JePC && t1 > t2, VysledekObrazek::Win, 1);
        } else if (t1 != t2) {
            const int w = t1 > t2 ? 1 : 2;
            v.obrazek = VysledekObrazek::WinPL;
            v.wpl = w;
            vitez(w);
        }
        if (t1 == t2) {
            v.obrazek = VysledekObrazek::Remiza;
            v.radekVitez.clear();
        }
    } else {
        const int w = s.PocetHracu == 3 ? Serad3(h[1].BodyCelkem, h[2].BodyCelkem, h[3].BodyCelkem)
                                        : Serad4(h[1].BodyCelkem, h[2].BodyCelkem, h[3].BodyCelkem,
                                                 h[4].BodyCelkem);
        if (w == 0) {
            v.obrazek = VysledekObrazek::Remiza;
        } else if (h[w].JePC) {
            v.obrazek = VysledekObrazek::Lost;
        } else {
            v.obrazek = VysledekObrazek::WinPL;
            v.wpl = w;
            vitez(w);
        }
    }
    v.radekDelka = utf8ToCp1250("Délka hry: ") + casCelkem;
    return v;
}

std::vector<RadekVysledku> tabulkaVysledku(const GameState& s, const Arr1<int, kSeats>& srazky,
                                           const Arr1<int, kSeats>& bonusy) {
    std::vector<RadekVysledku> t;
    for (int p = 1; p <= s.PocetHracu; ++p)
        t.push_back({0, p, s.Hraci[p].Jmeno, s.Hraci[p].BodyCelkem, srazky[p], bonusy[p]});
    std::stable_sort(t.begin(), t.end(),
                     [](const auto& a, const auto& b) { return a.body > b.body; });
    for (size_t i = 0; i < t.size(); ++i)
        t[i].poradi =
            i > 0 && t[i].body == t[i - 1].body ? t[i - 1].poradi : static_cast<int>(i) + 1;
    return t;
}

}  // namespace tb
