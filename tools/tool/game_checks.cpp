#include "tools/tool/game_checks.h"

#include <array>
#include <cctype>

#include "files/file_lines.h"

namespace tb::tool {
namespace {

int cislo(const std::string& radek) {
    return std::stoi(radek);
}

}  // namespace

int bodyRozpisu(const std::string& rozpis) {
    int body = 0;
    for (size_t i = rozpis.find(':'); i != std::string::npos; i = rozpis.find(':', i + 1)) {
        size_t j = i + 1;
        int n = 0;
        bool cislo = false;
        for (; j < rozpis.size() && std::isdigit(static_cast<unsigned char>(rozpis[j])); ++j) {
            n = n * 10 + (rozpis[j] - '0');
            cislo = true;
        }
        if (cislo) body += n;
    }
    return body;
}

std::string kontrolaBodu(const GameState& s, const std::vector<std::string>& radky) {
    std::array<int, kSeats + 1> soucet{};
    size_t r = 0;
    int hrac = 0;  // seat on move at the previous record
    for (; r + kRadkuZaznamu <= radky.size() && !radky[r + kRadkuZaznamu - 1].size();
         r += kRadkuZaznamu) {
        const int naTahu = cislo(radky[r + 4]);
        if (hrac != 0) soucet[hrac] += bodyRozpisu(radky[r + 1]);
        hrac = naTahu;
    }
    // The closing section: one entry per seat with tiles left, the bonus last,
    // then the time line and the final totals.
    for (; r + 1 < radky.size() && !radky[r].empty() && radky[r + 1].empty(); r += 2) {
        const std::string& z = radky[r];
        const int p = z[0] - '0';
        const size_t i = z.find_last_of("+-");
        if (p < 1 || p > kSeats || i == std::string::npos) return "bad closing entry: " + z;
        soucet[p] += (z[i] == '+' ? 1 : -1) * cislo(z.substr(i + 1));
    }
    for (int p = 1; p <= s.PocetHracu; ++p)
        if (soucet[p] != s.Hraci[p].BodyCelkem)
            return "seat " + std::to_string(p) + " has " + std::to_string(s.Hraci[p].BodyCelkem) +
                   " points, its recorded moves " + std::to_string(soucet[p]);
    return {};
}

std::string kontrolaZaznamu(const GameState& s, const TZapis& zapis) {
    GameState kopie = s;
    kopie.CisloTahu = s.PosledniTah;
    try {
        zapis.InitTah(kopie);
    } catch (const std::exception& e) {
        return std::string("record does not load: ") + e.what();
    }
    for (int p = 1; p <= kSeats; ++p) {
        if (kopie.Zasobnik[p] != s.Zasobnik[p])
            return "record holds another rack " + std::to_string(p);
        if (kopie.Hraci[p].BodyCelkem != s.Hraci[p].BodyCelkem)
            return "record holds another score of seat " + std::to_string(p);
    }
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (kopie.Pole[x][y].Pevny != s.Pole[x][y].Pevny)
                return "record holds another board at " + std::to_string(x) + "," +
                       std::to_string(y);
    if (kopie.NaTahu != s.NaTahu || kopie.Vytazeno != s.Vytazeno)
        return "record holds another turn or bag";
    return {};
}

}  // namespace tb::tool
