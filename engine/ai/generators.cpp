// Building the candidate words: rack letters put before and after a run in
// every order, kept when the dictionary knows the word and it fits.

#include <array>

#include "engine/ai/computer_player.h"

namespace tb {

void TAI::NactiPismena(const GameState& s) {
    const int hrac = s.NaTahu;
    for (int i = 1; i <= kRack; ++i) {
        const int t = hrac >= 1 && hrac <= kSeats ? s.Zasobnik[hrac][i] : 0;
        // An empty slot can never be part of a dictionary word.
        Pismena[i] = t >= 1 && t <= kTiles ? s.Kameny[t].Pismeno : "-";
    }
}

void TAI::VytvorSlovo(const GameState& s) {
    NactiPismena(s);
    PocetKandidatu = 0;
    for (AktBeh = 1; AktBeh <= PocetBehu; ++AktBeh) rozdel();
    Oboduj(s.MinPismen);
}

void TAI::rozdel() {
    const Beh& b = Behy[AktBeh];
    const int T = static_cast<int>(b.Pismena.size()) + b.VolnoPred + b.VolnoZa;
    if (T >= 2) Jednicky();
    if (T >= 3) Dvojky();
    if (T >= 4) Trojky();
    if (T >= 5) Ctyrky();
}

bool TAI::TestSlova(const std::string& slovo) {
    if (slovo.find('-') != std::string::npos) return false;  // an empty rack slot
    return kurzor_.Lookup(slovo);
}

bool TAI::JesteNeni(const Kandidat& k) const {
    for (int n = 1; n < PocetKandidatu; ++n) {
        const Kandidat& j = Kandidati[n];
        if (j.Slovo == k.Slovo && j.X == k.X && j.Y == k.Y && j.Smer == k.Smer) return false;
    }
    return true;
}

// `predBehem` letters of the rack stand before the run (getxy).
void TAI::pridej(const std::string& slovo, int predBehem) {
    if (PocetKandidatu >= kMaxKandidatu) return;  // the first ones found are kept
    const Beh& b = Behy[AktBeh];
    Kandidat& k = Kandidati[++PocetKandidatu];
    k.Slovo = slovo;
    k.X = b.Smer == 1 ? b.X - predBehem : b.X;
    k.Y = b.Smer == 1 ? b.Y : b.Y - predBehem;
    k.Body = 0;
    k.Smer = b.Smer;
    if (!JesteNeni(k)) --PocetKandidatu;
}

void TAI::Jednicky() {
    const Beh& b = Behy[AktBeh];
    if (b.VolnoZa >= 1)
        for (int i = 1; i <= kRack; ++i)
            if (TestSlova(b.Pismena + Pismena[i])) pridej(b.Pismena + Pismena[i], 0);
    if (b.VolnoPred >= 1)
        for (int i = 1; i <= kRack; ++i)
            if (TestSlova(Pismena[i] + b.Pismena)) pridej(Pismena[i] + b.Pismena, 1);
}

// One order of pieces, one of them the run. The space is tested before the
// dictionary is asked: it rules out most orders and costs nothing. Both sides
// need strictly more free cells than the letters put there.
template <std::size_t N>
void TAI::zkusPoradi(const std::array<const std::string*, N>& kusy) {
    const Beh& b = Behy[AktBeh];
    int pred = 0;
    while (kusy[pred] != &b.Pismena) ++pred;
    const int za = static_cast<int>(N) - 1 - pred;
    if (!(pred < b.VolnoPred && za < b.VolnoZa)) return;
    std::string slovo;
    for (const std::string* k : kusy) slovo += *k;
    if (TestSlova(slovo)) pridej(slovo, pred);
}

void TAI::Komb3(const std::string& a, const std::string& b) {
    const std::string* R = &Behy[AktBeh].Pismena;
    using P = std::array<const std::string*, 3>;
    for (const P& p :
         {P{&a, &b, R}, P{&b, R, &a}, P{R, &a, &b}, P{R, &b, &a}, P{&b, &a, R}, P{&a, R, &b}})
        zkusPoradi(p);
}

// The 24 orders of four pieces, as six cyclic sequences each read from its
// four starting points; S, if given, stands before every order.
void TAI::Komb4for5(const std::string* S, const std::string& p, const std::string& q,
                    const std::string& r, const std::string& s) {
    using C = std::array<const std::string*, 4>;
    for (const C& c : {C{&p, &q, &r, &s}, C{&p, &q, &s, &r}, C{&p, &r, &q, &s}, C{&p, &r, &s, &q},
                       C{&p, &s, &q, &r}, C{&p, &s, &r, &q}}) {
        for (int start = 0; start < 4; ++start) {
            if (S) {
                zkusPoradi(std::array<const std::string*, 5>{
                    S, c[start], c[(start + 1) % 4], c[(start + 2) % 4], c[(start + 3) % 4]});
            } else {
                zkusPoradi(C{c[start], c[(start + 1) % 4], c[(start + 2) % 4], c[(start + 3) % 4]});
            }
        }
    }
}

void TAI::Komb4(const std::string& p, const std::string& q, const std::string& r) {
    Komb4for5(nullptr, p, q, r, Behy[AktBeh].Pismena);
}

void TAI::Komb5(const std::string& A, const std::string& B, const std::string& C,
                const std::string& D) {
    const std::string& R = Behy[AktBeh].Pismena;
    Komb4for5(&D, A, B, C, R);
    Komb4for5(&A, B, C, D, R);
    Komb4for5(&B, C, D, A, R);
    Komb4for5(&C, D, A, B, R);
    Komb4for5(&R, A, B, C, D);
}

void TAI::Dvojky() {
    for (int i = 1; i <= 6; ++i)
        for (int j = i + 1; j <= 7; ++j) Komb3(Pismena[i], Pismena[j]);
}

void TAI::Trojky() {
    for (int i = 1; i <= 5; ++i)
        for (int j = i + 1; j <= 6; ++j)
            for (int k = j + 1; k <= 7; ++k) Komb4(Pismena[i], Pismena[j], Pismena[k]);
}

void TAI::Ctyrky() {
    for (int i = 1; i <= 4; ++i)
        for (int j = i + 1; j <= 5; ++j)
            for (int k = j + 1; k <= 6; ++k)
                for (int l = k + 1; l <= 7; ++l)
                    Komb5(Pismena[i], Pismena[j], Pismena[k], Pismena[l]);
}

// The first move: each rack letter in turn stands for the run at the centre,
// its own slot emptied meanwhile; every word is then laid along row 8,
// centred on column 8, keeping the estimate made before the centring.
void TAI::ZacinaPC(const GameState& s) {
    NactiPismena(s);
    PocetKandidatu = 0;
    AktBeh = 1;
    Beh& b = Behy[1];
    b.X = 8;
    b.Y = 8;
    b.Smer = 1;
    b.VolnoPred = 5;
    b.VolnoZa = 5;
    for (int slot = 1; slot <= kRack; ++slot) {
        b.Pismena = Pismena[slot];
        Pismena[slot].clear();
        Jednicky();
        Dvojky();
        Trojky();
        Ctyrky();
        Pismena[slot] = b.Pismena;
    }
    Oboduj(s.MinPismen);
    for (int n = 1; n <= PocetKandidatu; ++n) {
        Kandidati[n].X = 8 - static_cast<int>(Kandidati[n].Slovo.size()) / 2;
        Kandidati[n].Y = 8;
    }
}

}  // namespace tb
