// Finding the runs of fixed tiles that the computer player may extend, and
// the free cells around each.

#include <algorithm>
#include <utility>

#include "engine/ai/computer_player.h"

namespace tb {

bool TAI::obsazeno(int x, int y) const {
    return x >= 1 && x <= kBoard && y >= 1 && y <= kBoard && Deska[x][y] != 0;
}

// Free cells on one side of a run (krok -1 before it, +1 after it). A cell
// counts only while a word laid there would touch nothing but the run: the
// cell beyond it and its two neighbours across the line must be empty too.
int TAI::volno(const Beh& b, int krok) const {
    const int delka = static_cast<int>(b.Pismena.size());
    const int dx = b.Smer == 1 ? 1 : 0;
    const int dy = 1 - dx;
    const int okraj = krok < 0 ? 0 : delka - 1;  // run cell the count starts from
    int pocet = 0;
    for (int d = 1; d <= 5; ++d) {
        const int k = okraj + krok * d;
        const int x = b.X + dx * k, y = b.Y + dy * k;
        const bool naDesce = x >= 1 && x <= kBoard && y >= 1 && y <= kBoard;
        if (!naDesce || obsazeno(x, y) || obsazeno(x + dx * krok, y + dy * krok) ||
            obsazeno(x - dy, y - dx) || obsazeno(x + dy, y + dx))
            break;
        ++pocet;
    }
    return pocet;
}

void TAI::FreeHor(int n) {
    Behy[n].VolnoPred = volno(Behy[n], -1);
    Behy[n].VolnoZa = volno(Behy[n], 1);
}

void TAI::FreeVer(int n) {
    FreeHor(n);
}

// Row runs (smer 1) or column runs (smer 0), in reading order. Runs past the
// capacity of the list are skipped; the first ones found are kept.
void TAI::najdiBehy(const GameState& s, uint8_t smer) {
    for (int a = 1; a <= kBoard; ++a) {
        int b = 1;
        while (b <= kBoard) {
            const int x0 = smer == 1 ? b : a, y0 = smer == 1 ? a : b;
            if (Deska[x0][y0] == 0) {
                ++b;
                continue;
            }
            Beh beh;
            beh.X = x0;
            beh.Y = y0;
            beh.Smer = smer;
            for (; b <= kBoard; ++b) {
                const int t = smer == 1 ? Deska[b][a] : Deska[a][b];
                if (t == 0) break;
                beh.Pismena += s.Kameny[t].Pismeno;
            }
            if (PocetBehu < kMaxBehu) {
                Behy[++PocetBehu] = std::move(beh);
                if (smer == 1)
                    FreeHor(PocetBehu);
                else
                    FreeVer(PocetBehu);
            }
        }
    }
}

void TAI::findCandidates(const GameState& s) {
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) Deska[x][y] = s.Pole[x][y].Pevny;
    Behy.fill(Beh{});
    PocetBehu = 0;
    najdiBehy(s, 1);
    najdiBehy(s, 0);
    if (PocetBehu > 0) {
        OdstranSpatne();
        VytvorSlovo(s);
    } else {
        ZacinaPC(s);
    }
}

// Only runs of one to three tiles with room on some side are extended; the
// longer a run, the fewer free cells a word around it may use.
void TAI::OdstranSpatne() {
    int kept = 0;
    for (int n = 1; n <= PocetBehu; ++n) {
        Beh b = Behy[n];
        const int delka = static_cast<int>(b.Pismena.size());
        if (delka < 1 || delka > 3 || (b.VolnoPred == 0 && b.VolnoZa == 0)) continue;
        const int strop = delka == 2 ? 4 : delka == 3 ? 3 : 5;
        b.VolnoPred = std::min(b.VolnoPred, strop);
        b.VolnoZa = std::min(b.VolnoZa, strop);
        Behy[++kept] = std::move(b);
    }
    PocetBehu = kept;
}

}  // namespace tb
