#include "engine/record/move_list.h"

#include "engine/game/clock_text.h"
#include "files/text.h"

namespace tb {
namespace {

std::string jmeno(const GameState& s, int hrac) {
    return hrac >= 1 && hrac <= kSeats ? s.Hraci[hrac].Jmeno : std::string();
}

}  // namespace

RadekSeznamu VypisAktTah(const GameState& s, const TZapis& zapis, int n) {
    LineReader r = zapis.NajetNaPozici(n - 1);
    r.skip(1);
    std::string popis = r.text();
    if (!popis.empty()) popis.pop_back();  // the trailing ","
    r.skip(1);
    const int cas = r.number();
    const int naTahu = r.number();
    const int hral = naTahu == 1 ? s.PocetHracu : naTahu - 1;
    if (hral < 1 || hral > kSeats)
        throw FileError("Data/main.dat, record " + std::to_string(n) + ": no such player " +
                        std::to_string(naTahu));
    r.skip(1 + static_cast<size_t>(hral - 1) * 3 + 1);
    const int body = r.number();
    return {RadekSeznamu::Druh::Tah,
            {std::to_string(n - 1), jmeno(s, hral), popis, std::to_string(body),
             std::to_string(cas / 60) + ":" + GetSTime(cas % 60)}};
}

std::vector<RadekSeznamu> VypisKonec(const GameState& s, const TZapis& zapis) {
    const std::vector<std::string> radky = zapis.radky();
    size_t i = static_cast<size_t>(s.PosledniTah) * kRadkuZaznamu;
    auto dalsi = [&]() { return i < radky.size() ? radky[i++] : std::string(); };
    std::vector<RadekSeznamu> out;
    for (int k = 1; k <= s.PocetHracu; ++k) {
        const std::string zaznam = dalsi();
        dalsi();  // the empty line after each entry
        const int hrac = zaznam.empty() ? 0 : zaznam[0] - '0';
        out.push_back({RadekSeznamu::Druh::Bonus,
                       {std::to_string(s.PosledniTah + k - 1), jmeno(s, hrac),
                        zaznam.empty() ? zaznam : zaznam.substr(1)}});
    }
    out.push_back({RadekSeznamu::Druh::Prazdny, {}});
    const std::string cas = dalsi();
    for (int p = 1; p <= s.PocetHracu; ++p)
        out.push_back({RadekSeznamu::Druh::Skore, {jmeno(s, p), "...", dalsi()}});
    out.push_back(
        {RadekSeznamu::Druh::Cas, {utf8ToCp1250("                Celkový čas hry:") + cas}});
    return out;
}

std::vector<RadekSeznamu> seznamTahu(const GameState& s, const TZapis& zapis) {
    std::vector<RadekSeznamu> out;
    for (int n = 2; n <= s.PosledniTah; ++n) out.push_back(VypisAktTah(s, zapis, n));
    if (s.Faze == Phase::Browse)
        for (auto& r : VypisKonec(s, zapis)) out.push_back(std::move(r));
    return out;
}

}  // namespace tb
