#pragma once
// A game in progress and its move record, for the slot tests.

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "engine/game/bag.h"
#include "engine/game/game_state.h"
#include "engine/game/random.h"
#include "engine/game/tiles.h"
#include "engine/record/move_record.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"
#include "files/files.h"

namespace tb::test {

// `hracu` seats, racks dealt from a shuffled bag (one slot of seat 1 empty),
// a word fixed across the centre, the clock at 1:02:05 and 12 records.
inline GameState rozehranaHra(int hracu, uint64_t seed = 7) {
    GameState s;
    dejVsechnaPismena(s);
    Nahoda rnd(seed);
    michej(s, rnd);
    InitBodovanePole(s);
    s.PocetHracu = hracu;
    int k = 0;
    for (int p = 1; p <= hracu; ++p)
        for (int slot = 1; slot <= kRack; ++slot) {
            if (p == 1 && slot == 3) continue;
            const int t = s.Pytel[++k];
            s.Zasobnik[p][slot] = t;
            s.Kameny[t].Vlastnik = p;
        }
    for (int x = 6; x <= 10; ++x) s.Pole[x][8].Pevny = s.Pytel[++k];
    s.Vytazeno = k;
    const char* jmena[] = {"", "Jana", "PC2", "K\xE1rel;x", "Eva"};  // "Kárel;x" in cp1250
    const int body[] = {0, 37, -4, 12, 0};
    for (int p = 1; p <= kSeats; ++p) {
        s.Hraci[p].Jmeno = jmena[p];
        s.Hraci[p].BodyCelkem = body[p];
        s.Hraci[p].JePC = p == 2;
    }
    s.NaTahu = 2;
    s.CisloTahu = s.PosledniTah = 12;
    s.SekundHry = 3725;
    s.SLimitem = 1;
    s.LimitTahu = 90;
    s.MinPismen = 3;
    s.PrvniTah = 0;
    return s;
}

// The 34 lines of a position record numbered `cislo`.
inline std::vector<std::string> zaznamTahu(const GameState& s, int cislo) {
    GameState t = s;
    t.CisloTahu = cislo;
    t.Rozpis = "pes(5,8) :12,";
    return splitLines(zaznamText(t));
}

inline std::vector<std::string> zaznamHry(const GameState& s, int records) {
    std::vector<std::string> l;
    for (int k = 1; k <= records; ++k) {
        auto r = zaznamTahu(s, k);
        l.insert(l.end(), r.begin(), r.end());
    }
    return l;
}

// Every field a slot restores or a load resets, as text, to see that a
// failed load changed nothing.
inline std::string snapshot(const GameState& s) {
    std::string o;
    auto put = [&](auto v) { o += std::to_string(v) + ","; };
    for (int n = 1; n <= kTiles; ++n) put(s.Kameny[n].Vlastnik), put(s.Kameny[n].Aktivni);
    for (int n = 1; n <= kTiles; ++n) put(s.Pytel[n]);
    for (int p = 1; p <= kSeats; ++p) {
        for (int k = 1; k <= kRack; ++k) put(s.Zasobnik[p][k]);
        put(s.Hraci[p].BodyTah), put(s.Hraci[p].BodyCelkem), put(s.Hraci[p].JePC);
        o += s.Hraci[p].Jmeno + ";";
    }
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) put(s.Pole[x][y].Pevny), put(s.Pole[x][y].Novy);
    for (int32_t v : {s.Vytazeno, s.PocetHracu, s.NaTahu, s.CisloTahu, s.PosledniTah, s.PocetVzdani,
                      s.SekundHry, s.SekundTahu, s.ZbyvaCasu, s.MinPismen, s.LimitTahu,
                      s.VRuce.kamen, s.AktSlot})
        put(v);
    for (bool v : {s.PrvniTah, s.HlidatLimit, s.SLimitem, s.Rozdano, s.RezimVymeny, s.HrajePC})
        put(v);
    put(static_cast<int>(s.Faze));
    return o + s.Rozpis;
}

// One way of spoiling a good slot file, and the reason the load must give.
struct BadCase {
    const char* why;
    std::function<void(std::vector<std::string>&)> edit;
};

// Each spoilt copy of `good` as slot `name` must make `load` throw naming the
// slot and the reason, and leave the state and Data/main.dat as they were.
inline void expectEveryBadSlotRefused(const FileRoot& user, const std::string& name,
                                      const std::vector<std::string>& good,
                                      std::span<const BadCase> cases,
                                      const std::function<void(GameState&)>& load) {
    for (const BadCase& c : cases) {
        auto lines = good;
        c.edit(lines);
        writeUserFile(user, name, joinLines(lines));
        writeRecordFile(user, {"kept"});
        GameState s = rozehranaHra(4, 5);
        const std::string before = snapshot(s);
        try {
            load(s);
            ADD_FAILURE() << c.why << ": loaded";
        } catch (const FileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(name), std::string::npos) << what;
            EXPECT_NE(what.find(c.why), std::string::npos) << c.why << ": " << what;
        }
        EXPECT_EQ(snapshot(s), before) << c.why;
        EXPECT_EQ(readFile(user.resolve(kMainDat)), "kept\r\n") << c.why;
    }
}

}  // namespace tb::test
