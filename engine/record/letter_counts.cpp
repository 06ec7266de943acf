#include "engine/record/letter_counts.h"

#include "engine/game/tiles.h"
#include "files/text.h"

namespace tb {
namespace {

const char* const kVelka[kLetters + 1] = {"",  "A", "Á", "B", "C", "Č", "D", "Ď", "E", "É",
                                          "Ě", "F", "G", "H", "I", "Í", "J", "K", "L", "M",
                                          "N", "Ň", "O", "Ó", "P", "R", "Ř", "S", "Š", "T",
                                          "Ť", "U", "Ů", "Ú", "V", "Y", "Ý", "Z", "Ž"};

}  // namespace

void ZvysPocty(Pocty& pocty, int tile) {
    if (const int kod = letterCodeOfTile(tile); kod != 0) ++pocty[kod];
}

Pocty ZjistiPocty(const GameState& s, int od) {
    Pocty p{};
    for (int k = od < 1 ? 1 : od; k <= kTiles; ++k) ZvysPocty(p, s.Pytel[k]);
    return p;
}

std::string popisekPismene(int kod) {
    return utf8ToCp1250(kVelka[kod]) + " .. ";
}

std::array<std::string, kLetters + 1> popiskyPaB(const GameState& s, PohledPaB pohled) {
    std::array<std::string, kLetters + 1> out;
    Pocty pocty{};
    if (pohled == PohledPaB::Zaklad) pocty = ZjistiPocty(s, 1);
    if (pohled == PohledPaB::Zbytek && s.Vytazeno != kTiles) pocty = ZjistiPocty(s, s.Vytazeno + 1);
    for (int kod = 1; kod <= kLetters; ++kod) {
        const int cislo =
            pohled == PohledPaB::Body ? s.Kameny[letterInfo(kod).prvni].Hodnota : pocty[kod];
        out[kod] = popisekPismene(kod) + std::to_string(cislo);
    }
    return out;
}

}  // namespace tb
