#include "engine/ai/master.h"

#include <algorithm>
#include <array>
#include <bit>
#include <tuple>

#include "engine/game/letter_codes.h"
#include "engine/game/tiles.h"

namespace tb {
namespace {

constexpr uint64_t kPismena = ((uint64_t{1} << kLetters) - 1) << 1;

// A place in both graphs at once: the shipped words and the added ones.
struct Uzel {
    uint32_t g = 0, p = 0;
};

struct Tah {
    int body = 0;
    int kamenu = 0;
    std::string kody;  // the whole word
    int x = 0, y = 0;
    uint8_t smer = 1;
    uint32_t nove = 0;  // bit a: the cell at a along the line gets a rack tile
    int a0 = 0;         // the word's first cell along the line
};

class Hledani {
  public:
    Hledani(const GameState& s, const SlovnikMistra& sl) : s_(s), sl_(sl) {
        minDelka_ = std::max(2, s.MinPismen);
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y) {
                const int t = s.Pole[x][y].Pevny;
                if (t != 0) {
                    kod_[x][y] = kodKamene(t);
                    hod_[x][y] = s.Kameny[t].Hodnota;
                }
                const PremiumKrat k = premiumKrat(s.BodovanePole[x][y]);
                lm_[x][y] = k.pismeno;
                wm_[x][y] = k.slovo;
            }
        if (s.NaTahu >= 1 && s.NaTahu <= kSeats)
            for (int slot = 1; slot <= kRack; ++slot)
                if (const int t = s.Zasobnik[s.NaTahu][slot]; t != 0) {
                    const int c = kodKamene(t);
                    if (c == 0) continue;
                    ++rack_[c];
                    ++naStojanu_;
                    hodnota_[c] = s.Kameny[t].Hodnota;
                    maskaStojanu_ |= uint64_t{1} << c;
                }
    }

    std::vector<Tah> run() {
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y) kotva_[x][y] = jeKotva(x, y);
        for (uint8_t smer : {uint8_t{1}, uint8_t{0}})
            for (int b = 1; b <= kBoard; ++b) radek(smer, b);
        return std::move(tahy_);
    }

    // Every word the move forms, in code page 1250.
    std::vector<std::string> slova(const Tah& t) const {
        std::vector<std::string> out{cp1250OfCodes(t.kody)};
        for (int i = 0; i < static_cast<int>(t.kody.size()); ++i) {
            const int a = t.a0 + i;
            if (!((t.nove >> a) & 1)) continue;
            const int x = t.smer == 1 ? a : t.x, y = t.smer == 1 ? t.y : a;
            const int dx = t.smer == 1 ? 0 : 1, dy = 1 - dx;
            const auto [x0, y0, x1, y1] = pres(x, y, dx, dy);
            std::string w;
            for (int cx = x0, cy = y0; cx <= x1 && cy <= y1; cx += dx, cy += dy)
                w += static_cast<char>(cx == x && cy == y ? t.kody[i] : kod(cx, cy));
            if (w.size() > 1) out.push_back(cp1250OfCodes(w));
        }
        return out;
    }

  private:
    int kodKamene(int t) const {
        return s_.Kameny[t].Pismeno.empty()
                   ? 0
                   : static_cast<int>(
                         codeOfByte(static_cast<unsigned char>(s_.Kameny[t].Pismeno[0])));
    }
    int kod(int x, int y) const {
        return x < 1 || x > kBoard || y < 1 || y > kBoard ? 0 : kod_[x][y];
    }
    // The first and last cell of the tiles that touch (x, y) in step (dx, dy).
    std::array<int, 4> pres(int x, int y, int dx, int dy) const {
        int x0 = x, y0 = y, x1 = x, y1 = y;
        while (kod(x0 - dx, y0 - dy)) x0 -= dx, y0 -= dy;
        while (kod(x1 + dx, y1 + dy)) x1 += dx, y1 += dy;
        return {x0, y0, x1, y1};
    }
    bool jeKotva(int x, int y) const {
        if (kod_[x][y] != 0) return false;
        if (s_.PrvniTah) return x == 8 && y == 8;
        return kod(x - 1, y) || kod(x + 1, y) || kod(x, y - 1) || kod(x, y + 1);
    }

    uint64_t maska(Uzel u) const { return sl_.graf.mask(u.g) | sl_.pridana.mask(u.p); }
    Uzel dal(Uzel u, unsigned c) const { return {sl_.graf.next(u.g, c), sl_.pridana.next(u.p, c)}; }
    static bool mrtvy(Uzel u) { return u.g == 0 && u.p == 0; }

    // The line b across (smer 1, a row) or down (smer 0, a column).
    void radek(uint8_t smer, int b) {
        smer_ = smer;
        b_ = b;
        for (int a = 1; a <= kBoard; ++a) {
            const int x = smer ? a : b, y = smer ? b : a;
            L_[a] = kod_[x][y];
            V_[a] = hod_[x][y];
            LM_[a] = lm_[x][y];
            WM_[a] = wm_[x][y];
            A_[a] = kotva_[x][y];
            if (L_[a] == 0) krizem(a, x, y);
        }
        for (int a = 1; a <= kBoard; ++a) {
            if (!A_[a]) continue;
            if (a > 1 && L_[a - 1] != 0) {
                int start = a - 1;
                while (start > 1 && L_[start - 1] != 0) --start;
                Uzel u{WordGraph::root(), WordGraph::root()};
                for (int i = start; i < a && !mrtvy(u); ++i) {
                    w_[i] = static_cast<char>(L_[i]);
                    u = dal(u, L_[i]);
                }
                if (!mrtvy(u)) prava(start, a, a, u, 0);
                continue;
            }
            int limit = 0;
            while (a - limit - 1 >= 1 && L_[a - limit - 1] == 0 && !A_[a - limit - 1]) ++limit;
            leva(a, 0, {WordGraph::root(), WordGraph::root()}, std::min(limit, naStojanu_ - 1));
        }
    }

    // Which letters may go on the empty cell (x, y) of the line: those that
    // make a word with the tiles across it, if there are any.
    void krizem(int a, int x, int y) {
        const int dx = smer_ ? 0 : 1, dy = 1 - dx;
        X_[a] = kPismena;
        H_[a] = false;
        if (!kod(x - dx, y - dy) && !kod(x + dx, y + dy)) return;
        H_[a] = true;
        const auto [x0, y0, x1, y1] = pres(x, y, dx, dy);
        int soucet = 0, nasobek = 1;
        Uzel u{WordGraph::root(), WordGraph::root()};
        for (int cx = x0, cy = y0; cx != x || cy != y; cx += dx, cy += dy) {
            soucet += hod_[cx][cy] * lm_[cx][cy];
            nasobek *= wm_[cx][cy];
            u = dal(u, kod_[cx][cy]);
        }
        for (int cx = x + dx, cy = y + dy; cx <= x1 && cy <= y1; cx += dx, cy += dy) {
            soucet += hod_[cx][cy] * lm_[cx][cy];
            nasobek *= wm_[cx][cy];
        }
        CS_[a] = soucet;
        CW_[a] = nasobek;
        X_[a] = 0;
        if ((x1 - x0) + (y1 - y0) + 1 < minDelka_) return;
        for (uint64_t m = maska(u) & kPismena; m != 0; m &= m - 1) {
            const unsigned c = static_cast<unsigned>(std::countr_zero(m));
            Uzel v = dal(u, c);
            for (int cx = x + dx, cy = y + dy; cx <= x1 && cy <= y1 && !mrtvy(v);
                 cx += dx, cy += dy)
                v = dal(v, kod_[cx][cy]);
            if (maska(v) & 1) X_[a] |= uint64_t{1} << c;
        }
    }

    void vezmi(unsigned c) {
        if (--rack_[c] == 0) maskaStojanu_ &= ~(uint64_t{1} << c);
    }
    void vrat(unsigned c) {
        if (rack_[c]++ == 0) maskaStojanu_ |= uint64_t{1} << c;
    }

    // Prefixes of `delka` rack letters laid in the free cells left of the anchor.
    void leva(int kotva, int delka, Uzel u, int limit) {
        uint32_t nove = 0;
        for (int i = 0; i < delka; ++i) {
            w_[kotva - delka + i] = predpona_[i];
            nove |= 1u << (kotva - delka + i);
        }
        prava(kotva - delka, kotva, kotva, u, nove);
        if (delka >= limit) return;
        for (uint64_t m = maska(u) & maskaStojanu_; m != 0; m &= m - 1) {
            const unsigned c = static_cast<unsigned>(std::countr_zero(m));
            vezmi(c);
            predpona_[delka] = static_cast<char>(c);
            leva(kotva, delka + 1, dal(u, c), limit);
            vrat(c);
        }
    }

    void prava(int start, int pos, int kotva, Uzel u, uint32_t nove) {
        if (pos <= kBoard && L_[pos] != 0) {
            const Uzel v = dal(u, L_[pos]);
            if (mrtvy(v)) return;
            w_[pos] = static_cast<char>(L_[pos]);
            prava(start, pos + 1, kotva, v, nove);
            return;
        }
        if (pos > kotva && (maska(u) & 1) && pos - start >= minDelka_) zapis(start, pos - 1, nove);
        if (pos > kBoard) return;
        for (uint64_t m = maska(u) & maskaStojanu_ & X_[pos]; m != 0; m &= m - 1) {
            const unsigned c = static_cast<unsigned>(std::countr_zero(m));
            vezmi(c);
            w_[pos] = static_cast<char>(c);
            prava(start, pos + 1, kotva, dal(u, c), nove | 1u << pos);
            vrat(c);
        }
    }

    void zapis(int start, int end, uint32_t nove) {
        // One tile with words both ways is the row's move; the column leaves it.
        if (smer_ == 0 && std::has_single_bit(nove) && H_[std::countr_zero(nove)]) return;
        int soucet = 0, nasobek = 1, krize = 0;
        for (int a = start; a <= end; ++a) {
            if ((nove >> a) & 1) {
                const int v = hodnota_[static_cast<unsigned char>(w_[a])] * LM_[a];
                soucet += v;
                if (H_[a]) krize += (CS_[a] + v) * CW_[a] * WM_[a];
            } else {
                soucet += V_[a] * LM_[a];
            }
            nasobek *= WM_[a];
        }
        Tah t;
        t.body = soucet * nasobek + krize;
        t.kamenu = std::popcount(nove);
        t.kody.assign(w_.data() + start, w_.data() + end + 1);
        t.x = smer_ ? start : b_;
        t.y = smer_ ? b_ : start;
        t.smer = smer_;
        t.nove = nove;
        t.a0 = start;
        tahy_.push_back(std::move(t));
    }

    const GameState& s_;
    const SlovnikMistra& sl_;
    int minDelka_ = 2;
    int kod_[kBoard + 1][kBoard + 1]{}, hod_[kBoard + 1][kBoard + 1]{};
    int lm_[kBoard + 1][kBoard + 1]{}, wm_[kBoard + 1][kBoard + 1]{};
    bool kotva_[kBoard + 1][kBoard + 1]{};
    int rack_[kLetters + 1]{}, hodnota_[kLetters + 1]{}, naStojanu_ = 0;
    uint64_t maskaStojanu_ = 0;

    // The line being searched, along it by a = 1..15.
    uint8_t smer_ = 1;
    int b_ = 0;
    int L_[kBoard + 2]{}, V_[kBoard + 2]{}, LM_[kBoard + 2]{}, WM_[kBoard + 2]{};
    bool A_[kBoard + 2]{}, H_[kBoard + 2]{};
    uint64_t X_[kBoard + 2]{};
    int CS_[kBoard + 2]{}, CW_[kBoard + 2]{};
    std::array<char, kBoard + 2> w_{};
    char predpona_[kRack]{};
    std::vector<Tah> tahy_;
};

Kandidat kandidat(const Tah& t) {
    return Kandidat{cp1250OfCodes(t.kody), t.x, t.y, t.body, t.smer};
}

// Sorted best first; the dictionary is asked only as far as `dost` moves pass.
std::vector<Kandidat> hledej(const GameState& s, const SlovnikMistra& sl, size_t dost) {
    Hledani h(s, sl);
    std::vector<Tah> tahy = h.run();
    std::sort(tahy.begin(), tahy.end(), [](const Tah& a, const Tah& b) {
        return std::tie(b.body, a.kamenu, a.kody, a.y, a.x, b.smer) <
               std::tie(a.body, b.kamenu, b.kody, b.y, b.x, a.smer);
    });
    std::vector<Kandidat> out;
    for (const Tah& t : tahy) {
        if (out.size() >= dost) break;
        bool zna = true;
        for (const std::string& w : h.slova(t)) zna = zna && sl.kurzor.Lookup(w);
        if (zna) out.push_back(kandidat(t));
    }
    return out;
}

}  // namespace

std::vector<Kandidat> vsechnyTahy(const GameState& s, const SlovnikMistra& slovnik) {
    return hledej(s, slovnik, SIZE_MAX);
}

SlovnikMistra Mistr::slovnik() {
    if (!graf_) {
        if (chybi_) throw FileError("the word graph is unavailable");
        try {
            graf_ = nacti_ ? nacti_() : std::make_shared<const WordGraph>();
            if (!graf_) throw FileError("the word graph is unavailable");
        } catch (const FileError&) {
            chybi_ = true;
            throw;
        }
    }
    if (pridana_) {
        std::vector<std::string> slova = pridana_();
        if (slova != znamaPridana_) {
            std::vector<std::string> kody;
            for (const std::string& w : slova)
                if (std::string k = codesOfCp1250(w); k.find('\0') == std::string::npos)
                    kody.push_back(std::move(k));
            grafPridanych_ = WordGraph(buildWordGraph(std::move(kody)), "");
            znamaPridana_ = std::move(slova);
        }
    }
    return {*graf_, grafPridanych_, kurzor_};
}

bool nejlepsiTah(const GameState& s, const SlovnikMistra& slovnik, Kandidat& tah) {
    auto v = hledej(s, slovnik, 1);
    if (v.empty()) return false;
    tah = v.front();
    return true;
}

}  // namespace tb
