#pragma once
// Plays whole games headless: a screen that answers the dialogs from a
// script and records what it was told, a chosen bag order, and a player that
// lays its tiles along a fixed path over the board.

#include <array>
#include <deque>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/game/game_state.h"
#include "engine/game/hra.h"
#include "engine/game/move.h"
#include "engine/game/tiles.h"
#include "support/fakes.h"

namespace tb::test {

class HerniUi : public RecordingUi {
  public:
    DialogVolba ChybaPravidlaBox(const ChybaPravidla& c) override {
        pravidla.push_back(c);
        return vezmi(pravidlaOdpovedi, DialogVolba::OpravimSam);
    }
    DialogVolba ChybaSlovaBox(const ChybaSlova& c) override {
        slova.push_back(c);
        return vezmi(slovaOdpovedi, DialogVolba::PridatSlovo);
    }
    void ChybaVymenaBox() override { ++vymenaOdmitnuta; }
    bool KonecHryBox(const Vysledek& v) override {
        vysledky.push_back(v);
        return prohlizetPoKonci;
    }
    void NastavTitulek(Titulek, int, const std::string&) override {}
    void OdpocetCerveny(bool) override {}
    bool OznacenKVymene(int slot) override { return oznaceno.count(slot) > 0; }
    void ZrusOznaceni(int slot) override { oznaceno.erase(slot); }
    void NastavCasovac(bool z, int i) override {
        log("casovac " + std::to_string(z) + " " + std::to_string(i));
    }
    void DoMenu() override { log("menu"); }
    void KamenDoSlotu(int h, int s, int t) override { log("doslotu", h, s, t); }

    std::deque<DialogVolba> pravidlaOdpovedi, slovaOdpovedi;
    std::vector<ChybaPravidla> pravidla;
    std::vector<ChybaSlova> slova;
    std::vector<Vysledek> vysledky;
    std::set<int> oznaceno;
    int vymenaOdmitnuta = 0;
    bool prohlizetPoKonci = false;

  private:
    static DialogVolba vezmi(std::deque<DialogVolba>& q, DialogVolba jinak) {
        if (q.empty()) return jinak;
        DialogVolba v = q.front();
        q.pop_front();
        return v;
    }
};

// The random script that makes the first player `prvni` and the bag order
// start with the tiles of `zacatek` (letters, code page 1250), the remaining
// tiles following in the order of `zbytek` (a permutation of 1..97).
inline std::vector<int> skriptHry(int prvni, const std::string& zacatek,
                                  const std::vector<int>& zbytek) {
    std::array<bool, kTiles + 1> pouzit{};
    std::vector<int> poradi;
    for (char c : zacatek) {
        const LetterInfo& li = letterInfo(letterCodeOf(c));
        int t = li.prvni;
        while (pouzit[t]) ++t;
        pouzit[t] = true;
        poradi.push_back(t);
    }
    for (int t : zbytek)
        if (!pouzit[t]) poradi.push_back(t), pouzit[t] = true;
    std::array<int, kTiles + 1> pozice{};
    for (size_t i = 0; i < poradi.size(); ++i) pozice[poradi[i]] = static_cast<int>(i);
    std::vector<int> skript{prvni - 1};
    for (int t = 1; t <= kTiles; ++t) skript.push_back(pozice[t]);
    return skript;
}

// A fixed shuffle of 1..97 (a small linear congruential generator).
inline std::vector<int> zamichano(uint32_t seed) {
    std::vector<int> v;
    for (int t = 1; t <= kTiles; ++t) v.push_back(t);
    for (int i = kTiles - 1; i > 0; --i) {
        seed = seed * 1103515245u + 12345u;
        std::swap(v[i], v[(seed >> 8) % static_cast<uint32_t>(i + 1)]);
    }
    return v;
}

// The path the test player fills: row 8 from the centre to the right, then
// leftwards from the centre, rows 9..15, then rows 7 up to 1. Every stretch
// along it touches what lies before it.
inline std::vector<std::pair<int, int>> cestaHrace() {
    std::vector<std::pair<int, int>> c;
    for (int x = 8; x <= kBoard; ++x) c.push_back({x, 8});
    for (int x = 7; x >= 1; --x) c.push_back({x, 8});
    for (int y = 9; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x) c.push_back({x, y});
    for (int y = 7; y >= 1; --y)
        for (int x = 1; x <= kBoard; ++x) c.push_back({x, y});
    return c;
}

// Lays up to `kolik` tiles of the rack of NaTahu, in slot order, on the
// next free cells of the path. A move stays in one row, so each of its runs
// touches the tiles already fixed.
inline int polozPoCeste(GameState& s, int kolik) {
    int polozeno = 0, radek = 0;
    for (auto [x, y] : cestaHrace()) {
        if (polozeno == kolik || (radek != 0 && y != radek)) break;
        if (s.Pole[x][y].Pevny != 0 || s.Pole[x][y].Novy != 0) continue;
        radek = y;
        int slot = 1;
        while (slot <= kRack && !polozZeSlotu(s, slot, x, y)) ++slot;
        if (slot > kRack) break;
        ++polozeno;
    }
    return polozeno;
}

// Tiles fixed on the board.
inline int pevnych(const GameState& s) {
    int n = 0;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) n += s.Pole[x][y].Pevny != 0;
    return n;
}

}  // namespace tb::test
