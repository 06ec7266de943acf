#include "engine/record/move_record.h"

#include <utility>

#include "engine/game/clock_text.h"
#include "files/text.h"

namespace tb {
namespace {

const char* const kCrLf = "\r\n";

std::string seznam(const int32_t* prvni, int pocet, int krok) {
    std::string out;
    for (int i = 0; i < pocet; ++i) out += std::to_string(prvni[i * krok]) + ",";
    return out;
}

void zkontroluj(const GameState& s, int k) {
    const std::string kde = "Data/main.dat, record " + std::to_string(k) + ": ";
    if (s.NaTahu < 1 || s.NaTahu > s.PocetHracu)
        throw FileError(kde + "no such player on move " + std::to_string(s.NaTahu));
    if (s.Vytazeno < 0 || s.Vytazeno > kTiles)
        throw FileError(kde + "bag position " + std::to_string(s.Vytazeno) + " out of range");
    Arr1<bool, kTiles> videno{};
    int venku = 0;
    auto over = [&](int32_t t, bool vHre) {
        if (t < 0 || t > kTiles)
            throw FileError(kde + "tile number " + std::to_string(t) + " out of range");
        if (t == 0 || !vHre) return;
        if (videno[t]) throw FileError(kde + "tile " + std::to_string(t) + " lies twice");
        videno[t] = true;
        ++venku;
    };
    for (int p = 1; p <= kSeats; ++p)
        for (int slot = 1; slot <= kRack; ++slot) over(s.Zasobnik[p][slot], p <= s.PocetHracu);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) over(s.Pole[x][y].Pevny, true);
    if (venku != s.Vytazeno)
        throw FileError(kde + std::to_string(venku) + " tiles in play but " +
                        std::to_string(s.Vytazeno) + " drawn from the bag");
}

void umistiKameny(GameState& s) {
    for (int p = 1; p <= kSeats; ++p)
        for (int slot = 1; slot <= kRack; ++slot)
            if (const int t = s.Zasobnik[p][slot]; t != 0) {
                s.Kameny[t].Vlastnik = p;
                s.Kameny[t].Aktivni = p == s.NaTahu;
            }
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (const int t = s.Pole[x][y].Pevny; t != 0) s.Kameny[t].Vlastnik = kNaBoard;
}

}  // namespace

std::string zaznamText(const GameState& s) {
    std::string out;
    auto radek = [&](const std::string& r) { out += r + kCrLf; };
    radek(std::to_string(s.CisloTahu));
    radek(s.Rozpis);
    radek(std::to_string(s.SekundHry));
    radek(std::to_string(s.SekundTahu));
    radek(std::to_string(s.NaTahu));
    radek(std::to_string(s.Vytazeno));
    for (int p = 1; p <= kSeats; ++p) {
        radek(seznam(&s.Zasobnik[p][1], kRack, 1));
        radek(std::to_string(s.Hraci[p].BodyTah));
        radek(std::to_string(s.Hraci[p].BodyCelkem));
    }
    for (int y = 1; y <= kBoard; ++y) {
        std::string r;
        for (int x = 1; x <= kBoard; ++x) r += std::to_string(s.Pole[x][y].Pevny) + ",";
        radek(r);
    }
    radek("");
    return out;
}

std::vector<std::string> TZapis::radky() const {
    const fs::path cesta = mainDat();
    if (!existsAtAll(cesta)) return {};
    return splitLines(readFile(cesta, kMaxRecordBytes));
}

LineReader TZapis::NajetNaPozici(int k) const {
    if (k < 0) throw FileError("Data/main.dat: no record " + std::to_string(k + 1));
    LineReader r(radky(), "Data/main.dat");
    r.skip(static_cast<size_t>(k) * kRadkuZaznamu);
    return r;
}

void TZapis::pripoj(const std::string& text) const {
    // The whole file is written anew, so that a failure midway leaves the
    // previous one whole.
    const fs::path cesta = mainDat();
    const std::string dosud = existsAtAll(cesta) ? readFile(cesta, kMaxRecordBytes) : "";
    writeFileAtomic(cesta, dosud + text);
}

void TZapis::PresunASmaz(int32_t cisloTahu) {
    const size_t nechat = cisloTahu > 1 ? static_cast<size_t>(cisloTahu - 1) * kRadkuZaznamu : 0;
    // A new game keeps nothing: whatever lies at main.dat need not be read.
    std::vector<std::string> r = nechat > 0 ? radky() : std::vector<std::string>{};
    // Lines missing from a short file read as empty, so record numbers keep their places.
    r.resize(nechat);
    std::string text;
    for (const std::string& l : r) text += l + kCrLf;
    writeFileAtomic(hlpDat(), text);
    replaceFile(hlpDat(), mainDat());
    zaver_.clear();
}

void TZapis::ZapisTah(const GameState& s) {
    PresunASmaz(s.CisloTahu);
    pripoj(zaznamText(s));
}

void TZapis::ZapisBonus(bool bonus, int32_t body, int32_t hrac) {
    const char* text = bonus ? "Využití všech písmen :     +" : "Nevyužití všech písmen :   -";
    zaver_ += std::to_string(hrac) + utf8ToCp1250(text) + std::to_string(body) + kCrLf + kCrLf;
}

void TZapis::ZapisKonec(const GameState& s) {
    std::string text = std::exchange(zaver_, {}) + casText(s.SekundHry) + kCrLf;
    for (int p = 1; p <= s.PocetHracu; ++p) text += std::to_string(s.Hraci[p].BodyCelkem) + kCrLf;
    pripoj(text);
}

void NastavZaklad(GameState& s) {
    s.ZbyvaCasu = s.LimitTahu;
    for (int n = 1; n <= kTiles; ++n) {
        s.Kameny[n].Vlastnik = 0;
        s.Kameny[n].Aktivni = false;
    }
}

void NactiPanel(GameState& s, LineReader& r, int hrac) {
    r.listUpTo(std::span(s.Zasobnik[hrac]).subspan(1, kRack));
    s.Hraci[hrac].BodyTah = r.number();
    s.Hraci[hrac].BodyCelkem = r.number();
}

void NactiPole(GameState& s, LineReader& r) {
    for (int y = 1; y <= kBoard; ++y) {
        Arr1<int32_t, kBoard> radek;
        for (int x = 1; x <= kBoard; ++x) radek[x] = s.Pole[x][y].Pevny;
        r.listUpTo(std::span(radek).subspan(1, kBoard));
        for (int x = 1; x <= kBoard; ++x) s.Pole[x][y].Pevny = radek[x];
    }
}

void TZapis::InitTah(GameState& s) const {
    nactiZaznam(s, radky(), s.CisloTahu);
}

void nactiZaznam(GameState& s, const std::vector<std::string>& radky, int32_t cisloTahu) {
    if (cisloTahu < 1) throw FileError("Data/main.dat: no record " + std::to_string(cisloTahu));
    LineReader r(radky, "Data/main.dat");
    r.skip(static_cast<size_t>(cisloTahu - 1) * kRadkuZaznamu);
    GameState kopie = s;
    NastavZaklad(kopie);
    r.skip(2);
    kopie.SekundHry = r.number();
    r.skip(1);
    kopie.NaTahu = r.number();
    kopie.Vytazeno = r.number();
    for (int p = 1; p <= kSeats; ++p) NactiPanel(kopie, r, p);
    NactiPole(kopie, r);
    r.skip(1);
    zkontroluj(kopie, cisloTahu);
    umistiKameny(kopie);
    srovnejPytel(kopie);
    kopie.PocetVzdani = vzdaniDoZaznamu(radky, cisloTahu);
    s = std::move(kopie);
}

int32_t vzdaniDoZaznamu(const std::vector<std::string>& radky, int32_t cisloTahu) {
    int32_t vzdani = 0;
    for (int32_t k = cisloTahu; k >= 2; --k) {
        const size_t rozpis = static_cast<size_t>(k - 1) * kRadkuZaznamu + 1;
        if (rozpis >= radky.size() || !radky[rozpis].empty()) break;
        ++vzdani;
    }
    return vzdani;
}

void srovnejPytel(GameState& s) {
    Arr1<bool, kTiles> videno{}, venku{};
    for (int i = 1; i <= kTiles; ++i) {
        const int t = s.Pytel[i];
        if (t < 1 || t > kTiles || videno[t]) return;
        videno[t] = true;
    }
    for (int p = 1; p <= s.PocetHracu; ++p)
        for (int slot = 1; slot <= kRack; ++slot) venku[s.Zasobnik[p][slot]] = true;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) venku[s.Pole[x][y].Pevny] = true;
    int j = s.Vytazeno + 1;
    for (int i = 1; i <= s.Vytazeno; ++i) {
        if (venku[s.Pytel[i]]) continue;
        while (j <= kTiles && !venku[s.Pytel[j]]) ++j;
        if (j > kTiles) return;
        std::swap(s.Pytel[i], s.Pytel[j]);
    }
}

}  // namespace tb
