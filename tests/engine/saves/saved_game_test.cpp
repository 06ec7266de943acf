#include "engine/saves/saved_game.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <set>

#include "engine/saves/slot_files.h"
#include "engine/saves/user_settings.h"
#include "files/file_lines.h"
#include "saved_game_fixture.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

using test::rozehranaHra;
using test::snapshot;
using test::zaznamHry;

class SavedGameTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    FileRoot user{dir.path()};

    std::vector<std::string> slot(int n) { return *readSlotLines(user, n, false); }
    void putSlot(int n, const std::vector<std::string>& lines) {
        writeUserFile(user, slotName(n, false), joinLines(lines));
    }
    // Saves `s` with its 12-record move record into slot n.
    void save(GameState& s, int n) {
        writeRecordFile(user, zaznamHry(s, s.PosledniTah));
        SaveAndExit(s, user, n, "6.12.2026");
    }
};

TEST_F(SavedGameTest, LoadRestoresTheGameAndItsRecord) {
    GameState hra = rozehranaHra(3);
    save(hra, 4);
    const std::string mainDat = readFile(user.resolve(kMainDat));
    writeRecordFile(user, {"something else"});

    GameState s = rozehranaHra(4, 99);  // a different game on the screen
    s.Pole[1][1].Novy = 50;
    s.Rozpis = "les(1,1) :3,";
    LoadGame(s, user, 4);

    EXPECT_EQ(readFile(user.resolve(kMainDat)), mainDat);
    EXPECT_EQ(s.Pytel, hra.Pytel);
    EXPECT_EQ(s.Zasobnik, hra.Zasobnik);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) {
            EXPECT_EQ(s.Pole[x][y].Pevny, hra.Pole[x][y].Pevny);
            EXPECT_EQ(s.Pole[x][y].Novy, 0);
        }
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(s.Hraci[p].Jmeno, hra.Hraci[p].Jmeno);
        EXPECT_EQ(s.Hraci[p].BodyCelkem, hra.Hraci[p].BodyCelkem);
        EXPECT_EQ(s.Hraci[p].JePC, hra.Hraci[p].JePC);
        for (int k = 1; k <= kRack; ++k)
            if (int t = s.Zasobnik[p][k]) {
                EXPECT_EQ(s.Kameny[t].Vlastnik, p);
            }
    }
    EXPECT_EQ(s.Hraci[4].BodyCelkem, 0);
    EXPECT_EQ(s.Hraci[4].JePC, 0);
    EXPECT_EQ(s.Zasobnik[4], (Arr1<int32_t, kRack>{}));
    EXPECT_EQ(s.PocetHracu, 3);
    EXPECT_EQ(s.NaTahu, 2);
    EXPECT_EQ(s.Vytazeno, hra.Vytazeno);
    EXPECT_EQ(s.SekundHry, 3725);
    EXPECT_EQ(s.MinPismen, 3);
    EXPECT_EQ(s.LimitTahu, 90);
    EXPECT_EQ(s.SLimitem, 1);
    EXPECT_EQ(s.ZbyvaCasu, 90);
    EXPECT_EQ(s.PrvniTah, 0);
    // Ready for the first tick to resume: it counts no moves and no passes.
    EXPECT_EQ(s.CisloTahu, 12);
    EXPECT_EQ(s.PosledniTah, 12);
    EXPECT_EQ(s.PocetVzdani, 0);
    EXPECT_EQ(s.Faze, Phase::LoadedGame);
    EXPECT_EQ(s.Rozdano, 0);
    EXPECT_EQ(s.HlidatLimit, 1);
    EXPECT_EQ(s.Rozpis, "");
    EXPECT_EQ(s.BodovanePole[1][1], kWord3);

    // Saved again, the slot is the same byte for byte.
    const std::string first = readFile(user.resolve(slotName(4, false)));
    SaveAndExit(s, user, 5, "6.12.2026");
    EXPECT_EQ(readFile(user.resolve(slotName(5, false))), first);
}

TEST_F(SavedGameTest, LinesStandWhereTheFormatPutsThem) {
    GameState hra = rozehranaHra(2);
    hra.PosledniTah = 12;
    save(hra, 1);
    const auto l = slot(1);
    ASSERT_EQ(l.size(), 9 + 2 * 4 + 1 + 15 + 1 + 12 * 34u);
    EXPECT_EQ(l[0], "6.12.2026");
    EXPECT_EQ(l[1], "0");
    EXPECT_EQ(l[2], "11");  // moves played: the record count less the starting position
    EXPECT_EQ(l[3], "3725");
    EXPECT_EQ(l[8], "2");
    EXPECT_EQ(l[9], "Jana");
    EXPECT_EQ(l[13], "PC2");
    EXPECT_EQ(l[14], "-4");
    EXPECT_EQ(l[15], "1");
    EXPECT_EQ(std::count(l[16].begin(), l[16].end(), ','), 7);
    EXPECT_EQ(std::count(l[17].begin(), l[17].end(), ','), 97);  // the bag follows seat 2
    for (int y = 0; y < kBoard; ++y)
        EXPECT_EQ(std::count(l[18 + y].begin(), l[18 + y].end(), ','), 15);
    EXPECT_EQ(l[25], "0,0,0,0,0," +
                         listLine(std::vector<int32_t>{hra.Pole[6][8].Pevny, hra.Pole[7][8].Pevny,
                                                       hra.Pole[8][8].Pevny, hra.Pole[9][8].Pevny,
                                                       hra.Pole[10][8].Pevny}) +
                         "0,0,0,0,0,");
    EXPECT_EQ(l[33], "");
    EXPECT_EQ(l[34], "1");  // record 1 begins
    EXPECT_NE(readFile(user.resolve(slotName(1, false))).find("\r\n"), std::string::npos);
}

TEST_F(SavedGameTest, TilesOfTheUnfinishedMoveGoBackToTheRack) {
    GameState hra = rozehranaHra(2);
    writeRecordFile(user, zaznamHry(hra, hra.PosledniTah));
    // Seat 2 is on move with two tiles laid and a third one in the hand.
    const int a = hra.Zasobnik[2][2], b = hra.Zasobnik[2][5], c = hra.Zasobnik[2][7];
    hra.Zasobnik[2][2] = hra.Zasobnik[2][5] = hra.Zasobnik[2][7] = 0;
    hra.Pole[8][9].Novy = a;
    hra.Pole[8][10].Novy = b;
    hra.Kameny[a].Vlastnik = hra.Kameny[b].Vlastnik = kNaBoard;
    hra.VRuce.kamen = c;
    SaveAndExit(hra, user, 2, "6.12.2026");

    EXPECT_EQ(hra.Zasobnik[2][2], c);
    EXPECT_EQ(hra.Zasobnik[2][5], a);
    EXPECT_EQ(hra.Zasobnik[2][7], b);
    EXPECT_EQ(hra.Pole[8][9].Novy, 0);
    EXPECT_EQ(hra.Kameny[b].Vlastnik, 2);
    EXPECT_FALSE(hra.VRuce.drzi());

    GameState s;
    LoadGame(s, user, 2);
    EXPECT_EQ(s.Zasobnik[2], hra.Zasobnik[2]);
    EXPECT_EQ(s.NaTahu, 2);
}

TEST_F(SavedGameTest, SurplusListItemsAreIgnored) {
    GameState hra = rozehranaHra(2);
    save(hra, 6);
    auto l = slot(6);
    l[12] += "44,55,";  // seat 1's rack
    l[17] += "1,2,3,";  // the bag
    l[18] += "9,junk";  // board row 1
    putSlot(6, l);
    GameState s;
    LoadGame(s, user, 6);
    EXPECT_EQ(s.Zasobnik[1], hra.Zasobnik[1]);
    EXPECT_EQ(s.Pytel, hra.Pytel);
    EXPECT_EQ(s.Pole[1][1].Pevny, 0);
}

TEST_F(SavedGameTest, BadSlotFileChangesNothing) {
    GameState hra = rozehranaHra(2);
    save(hra, 3);
    const auto good = slot(3);
    const int t = hra.Zasobnik[1][1];
    const test::BadCase cases[] = {
        {"free", [](auto& l) { l[0] = ""; }},
        {"not a number", [](auto& l) { l[3] = "12a"; }},
        {"not a number", [](auto& l) { l[2] = ""; }},
        {"outside", [](auto& l) { l[8] = "5"; }},
        {"outside", [](auto& l) { l[8] = "1"; }},
        {"not in play", [](auto& l) { l[7] = "3"; }},
        {"outside", [](auto& l) { l[6] = "98"; }},
        {"item 2 is outside", [](auto& l) { l[12] = "1,98,0,0,0,0,0,"; }},
        {"item 3 is not a number", [](auto& l) { l[12] = "1,2,,4,5,6,7,"; }},
        {"7 numbers expected", [](auto& l) { l[12] = "1,2,3,4,5,6,7"; }},
        {"twice", [](auto& l) { l[17] = "1," + l[17]; }},
        {"outside", [](auto& l) { l[17].replace(0, l[17].find(','), "0"); }},
        {"lies in two places", [&](auto& l) { l[18] = std::to_string(t) + "," + l[18].substr(2); }},
        {"drawn from the bag", [](auto& l) { l[12] = "0," + l[12].substr(l[12].find(',') + 1); }},
        {"in play and in the bag",  // into the free slot 3 of seat 1
         [&](auto& l) {
             l[12].replace(l[12].find(",0,") + 1, 1, std::to_string(hra.Pytel[hra.Vytazeno + 1]));
         }},
        {"empty line expected", [](auto& l) { l[33] = "x"; }},
        {"not a number", [](auto& l) { l[34 + 5] = "many"; }},
        {"neither a whole record", [](auto& l) { l.pop_back(); }},
        {"moves, 13 expected", [](auto& l) { l[2] = "12"; }},
        {"ends too early", [](auto& l) { l.resize(20); }},
        {"longer than 10", [](auto& l) { l[9] = std::string(100000, 'x'); }},
    };
    test::expectEveryBadSlotRefused(user, "Save/3.dat", good, cases,
                                    [&](GameState& s) { LoadGame(s, user, 3); });
}

// The save, the settings and the record writers under a failing disk: each
// reports the fault and leaves the previous file whole, with no temporary
// file beside it.
TEST_F(SavedGameTest, WritersFailingMidwayKeepThePreviousFile) {
    struct Fault {
        const char* name;
        std::function<void(FileCalls&)> put;
    };
    const Fault faults[] = {
        {"a write stops after 10 bytes",
         [](FileCalls& c) {
             c.write = [left = size_t{10}](int fd, const void* p, size_t n) mutable -> ssize_t {
                 if (left == 0) return errno = ENOSPC, -1;
                 const ssize_t w = ::write(fd, p, std::min(n, left));
                 left -= size_t(w);
                 return w;
             };
         }},
        {"fsync fails", [](FileCalls& c) { c.fsync = [](int) { return errno = EIO, -1; }; }},
        {"rename fails",
         [](FileCalls& c) { c.rename = [](const char*, const char*) { return errno = EIO, -1; }; }},
    };
    struct Writer {
        const char* file;
        std::function<void(GameState&)> write;
    };
    const Writer writers[] = {
        {"Save/4.dat", [&](GameState& s) { SaveAndExit(s, user, 4, "7.12.2026"); }},
        {"Data/User.dat",
         [&](GameState& s) {
             UserSettings n;
             n.NastHracu = 3;
             SaveUserData(n, s, user);
         }},
        {"Data/main.dat",
         [&](GameState& s) {
             s.CisloTahu = 13;
             TZapis(user).ZapisTah(s);
         }},
    };
    for (const Writer& w : writers)
        for (const Fault& f : faults) {
            test::TempDir d;
            user = FileRoot(d.path());
            GameState hra = rozehranaHra(2);
            save(hra, 4);
            SaveUserData(UserSettings{}, hra, user);
            const std::string before = readFile(user.resolve(w.file));
            const auto files = [&] {
                std::vector<fs::path> all;
                for (const auto& e : fs::recursive_directory_iterator(d.path()))
                    all.push_back(e.path());
                return std::set<fs::path>(all.begin(), all.end());
            };
            const auto present = files();
            f.put(fileCalls());
            EXPECT_THROW(w.write(hra), FileError) << w.file << ", " << f.name;
            fileCalls() = FileCalls{::write, ::fsync, ::rename};
            EXPECT_EQ(readFile(user.resolve(w.file)), before) << w.file << ", " << f.name;
            EXPECT_EQ(files(), present) << w.file << ", " << f.name;
        }
}

TEST_F(SavedGameTest, MissingSlotOrRecordFile) {
    GameState s = rozehranaHra(2);
    const std::string before = snapshot(s);
    EXPECT_THROW(LoadGame(s, user, 9), FileError);
    EXPECT_EQ(snapshot(s), before);

    // Without Data/main.dat nothing is saved and the old slot stays.
    putSlot(9, {"old"});
    EXPECT_THROW(SaveAndExit(s, user, 9, "1.1.2027"), FileError);
    EXPECT_EQ(slot(9), std::vector<std::string>{"old"});
}

TEST_F(SavedGameTest, RevealMarksTheFixedTilesInRowOrder) {
    GameState s = rozehranaHra(2);
    s.Pole[3][2].Pevny = 97;
    s.Kameny[97].Aktivni = 1;
    const auto kameny = LoadZobrazPole(s);
    ASSERT_EQ(kameny.size(), 6u);
    EXPECT_EQ(kameny[0].tile, 97);
    EXPECT_EQ(kameny[0].x, 3);
    EXPECT_EQ(kameny[1].x, 6);
    EXPECT_EQ(kameny[1].y, 8);
    for (const auto& k : kameny) {
        EXPECT_EQ(s.Kameny[k.tile].Vlastnik, kNaBoard);
        EXPECT_EQ(s.Kameny[k.tile].Aktivni, 0);
    }
    GameState prazdna;
    EXPECT_TRUE(LoadZobrazPole(prazdna).empty());
}

}  // namespace
}  // namespace tb
