#include "engine/saves/saved_game.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/game/menu_reset.h"
#include "engine/game/move.h"
#include "engine/game/tiles.h"
#include "engine/record/move_record.h"
#include "engine/saves/record_part.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"

namespace tb {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// The tiles that have left the bag, Pytel[1..Vytazeno], are exactly the
// tiles on the racks and the board, each in one place.
void checkTiles(LineReader& r, const SavedGame& g) {
    GameState s;
    s.PocetHracu = g.PocetHracu;
    s.NaTahu = g.NaTahu;
    s.Vytazeno = g.Vytazeno;
    s.Pytel = g.Pytel;
    s.Zasobnik = g.Zasobnik;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) s.Pole[x][y].Pevny = g.Pevny[x][y];
    if (const std::string chyba = tb::checkTiles(s); !chyba.empty()) r.fail(chyba);
}

void readBag(LineReader& r, SavedGame& g) {
    r.list(std::span(g.Pytel).subspan(1), 1, kTiles);
    std::array<bool, kTiles + 1> seen{};
    for (int i = 1; i <= kTiles; ++i) {
        if (seen[g.Pytel[i]])
            r.failHere("the bag holds tile " + std::to_string(g.Pytel[i]) + " twice");
        seen[g.Pytel[i]] = true;
    }
}

}  // namespace

std::vector<int> vratNoveKameny(GameState& s) {
    std::vector<int> vracene;
    if (const int t = s.VRuce.kamen; polozDoSlotu(s, volnySlot(s))) vracene.push_back(t);
    for (const NovyKamen& k : noveKameny(s))
        if (vratNaStojan(s, k.x, k.y)) vracene.push_back(k.kamen);
    return vracene;
}

std::string formatSavedGame(const GameState& s, std::string_view datum,
                            const std::vector<std::string>& zapis) {
    std::vector<std::string> lines = {
        std::string(datum),          s.PrvniTah ? "1" : "0",      std::to_string(s.CisloTahu - 1),
        std::to_string(s.SekundHry), std::to_string(s.LimitTahu), std::to_string(s.MinPismen),
        std::to_string(s.Vytazeno),  std::to_string(s.NaTahu),    std::to_string(s.PocetHracu),
    };
    for (int p = 1; p <= s.PocetHracu; ++p) {
        lines.push_back(oneLine(s.Hraci[p].Jmeno));
        lines.push_back(std::to_string(s.Hraci[p].BodyCelkem));
        lines.push_back(std::to_string(s.Hraci[p].JePC));
        lines.push_back(listLine(std::span(s.Zasobnik[p]).subspan(1)));
    }
    lines.push_back(listLine(std::span(s.Pytel).subspan(1)));
    for (int y = 1; y <= kBoard; ++y) {
        std::array<int32_t, kBoard> row{};
        for (int x = 1; x <= kBoard; ++x) row[x - 1] = s.Pole[x][y].Pevny;
        lines.push_back(listLine(row));
    }
    lines.emplace_back();
    lines.insert(lines.end(), zapis.begin(), zapis.end());
    return joinLines(lines);
}

SavedGame parseSavedGame(const std::vector<std::string>& lines, const std::string& name) {
    LineReader r(lines, name);
    SavedGame g;
    if (lines.empty() || lines[0].empty()) r.fail("the slot is free");
    r.skip();  // the date
    g.PrvniTah = r.text() != "0";
    g.PosledniTah = r.number(0, kMax - 1) + 1;
    g.SekundHry = r.number(0, kMax);
    g.LimitTahu = r.number(0, kMax);
    g.MinPismen = r.number(1, kBoard);
    g.Vytazeno = r.number(0, kTiles);
    g.NaTahu = r.number(1, kSeats);
    g.PocetHracu = r.number(2, kSeats);
    if (g.NaTahu > g.PocetHracu) r.failHere("the player on move is not in play");
    for (int p = 1; p <= g.PocetHracu; ++p) {
        g.Hraci[p].Jmeno = r.jmeno();
        g.Hraci[p].BodyCelkem = r.number(kMin, kMax);
        g.Hraci[p].JePC = r.number(kClovek, kMistr);  // an older game knows 0 and 1
        r.list(std::span(g.Zasobnik[p]).subspan(1), 0, kTiles);
    }
    readBag(r, g);
    for (int y = 1; y <= kBoard; ++y) {
        std::array<int32_t, kBoard> row{};
        r.list(row, 0, kTiles);
        for (int x = 1; x <= kBoard; ++x) g.Pevny[x][y] = row[x - 1];
    }
    checkTiles(r, g);
    r.empty();
    g.zapis = readRecordPart(r, g.PocetHracu, g.PosledniTah);
    return g;
}

void SaveAndExit(GameState& s, const FileRoot& user, int n, std::string_view datum) {
    vratNoveKameny(s);
    writeUserFile(user, slotName(n, false), formatSavedGame(s, datum, zaznamPozice(s, user)));
}

std::vector<std::string> zaznamPozice(const GameState& s, const FileRoot& user) {
    std::vector<std::string> radky = readRecordFile(user);
    const size_t delka = static_cast<size_t>(std::max(s.CisloTahu, 1)) * kRecordLines;
    auto odmitni = [](const std::string& proc) {
        throw FileError(std::string(kMainDat) + " " + proc +
                        "; the game was not saved, the slot is unchanged");
    };
    if (radky.size() < delka) odmitni("does not hold the moves of the game");
    radky.resize(delka);
    GameState z = s;
    try {
        nactiZaznam(z, radky, s.CisloTahu);
    } catch (const FileError& e) {
        odmitni(std::string("is damaged (") + e.what() + ")");
    }
    bool shoda = z.NaTahu == s.NaTahu && z.Vytazeno == s.Vytazeno;
    for (int p = 1; p <= s.PocetHracu; ++p) {
        auto a = s.Zasobnik[p], b = z.Zasobnik[p];  // the order of a rack may differ
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        shoda = shoda && a == b && z.Hraci[p].BodyCelkem == s.Hraci[p].BodyCelkem;
    }
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) shoda = shoda && z.Pole[x][y].Pevny == s.Pole[x][y].Pevny;
    if (!shoda) odmitni("does not hold the position on the board");
    return radky;
}

void LoadGame(GameState& s, const FileRoot& user, int n) {
    const SavedGame g = parseSavedGame(readSlotToLoad(user, n, false), slotName(n, false));
    writeRecordFile(user, g.zapis);
    applySavedGame(s, g);
}

void applySavedGame(GameState& s, const SavedGame& g) {
    MainInitMenu(s);
    s.PrvniTah = g.PrvniTah;
    s.PosledniTah = g.PosledniTah;
    s.SekundHry = g.SekundHry;
    s.LimitTahu = g.LimitTahu;
    s.MinPismen = g.MinPismen;
    s.Vytazeno = g.Vytazeno;
    s.NaTahu = g.NaTahu;
    s.PocetHracu = g.PocetHracu;
    for (int p = 1; p <= kSeats; ++p) {
        Hrac& h = s.Hraci[p];
        h.BodyTah = 0;
        if (p > g.PocetHracu) {
            h.BodyCelkem = h.JePC = 0;
            continue;
        }
        h.Jmeno = g.Hraci[p].Jmeno;
        h.BodyCelkem = g.Hraci[p].BodyCelkem;
        h.JePC = s.VolbaPC[p] = g.Hraci[p].JePC;  // VolbaPC: for a record of this game
        s.Zasobnik[p] = g.Zasobnik[p];
        for (int k = 1; k <= kRack; ++k)
            if (g.Zasobnik[p][k] != 0) s.Kameny[g.Zasobnik[p][k]].Vlastnik = p;
    }
    s.Pytel = g.Pytel;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) s.Pole[x][y] = Policko{g.Pevny[x][y], 0};

    // Resume where the record ends: the first tick lays the racks out and
    // counts neither moves nor passes.
    s.CisloTahu = s.PosledniTah;
    s.SLimitem = s.LimitTahu != 0;
    s.ZbyvaCasu = s.LimitTahu;
    s.SekundTahu = 0;
    s.HlidatLimit = true;
    s.VRuce = {};
    s.AktSlot = 1;
    s.PocetVzdani = vzdaniDoZaznamu(g.zapis, g.PosledniTah);
    s.Rozpis.clear();
    s.RezimVymeny = false;
    s.HrajePC = false;
    InitBodovanePole(s);
    s.Rozdano = false;
    s.Faze = Phase::LoadedGame;
}

std::vector<OdhalenyKamen> LoadZobrazPole(GameState& s) {
    std::vector<OdhalenyKamen> kameny;
    for (int y = 1; y <= kBoard; ++y)
        for (int x = 1; x <= kBoard; ++x) {
            const int t = s.Pole[x][y].Pevny;
            if (t < 1 || t > kTiles) continue;
            s.Kameny[t].Vlastnik = kNaBoard;
            s.Kameny[t].Aktivni = false;
            kameny.push_back({t, x, y});
        }
    return kameny;
}

}  // namespace tb
