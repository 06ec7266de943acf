#include "engine/saves/saved_game.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <set>
#include <span>
#include <tuple>

#include "engine/game/bag.h"
#include "engine/game/clock_text.h"
#include "engine/game/menu_reset.h"
#include "engine/game/tiles.h"
#include "engine/record/move_record.h"
#include "engine/saves/game_record_slot.h"
#include "engine/saves/record_part.h"
#include "engine/saves/save_header.h"
#include "engine/saves/slot_files.h"
#include "engine/saves/user_settings.h"
#include "files/file_lines.h"
#include "support/game_fixture.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

// `hracu` seats dealt (seat 1 a slot short), a word across the centre, 1:02:05, 12 records.
GameState rozehranaHra(int hracu, uint64_t seed = 7) {
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
std::vector<std::string> zaznamTahu(const GameState& s, int cislo) {
    GameState t = s;
    t.CisloTahu = cislo;
    t.Rozpis = "pes(5,8) :12,";
    return splitLines(zaznamText(t));
}

std::vector<std::string> zaznamHry(const GameState& s, int records) {
    std::vector<std::string> l;
    for (int k = 1; k <= records; ++k) {
        auto r = zaznamTahu(s, k);
        l.insert(l.end(), r.begin(), r.end());
    }
    return l;
}

// Every field a slot restores or a load resets, to see that a failed load changed nothing.
std::string snapshot(const GameState& s) {
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
void expectEveryBadSlotRefused(const FileRoot& user, const std::string& name,
                               const std::vector<std::string>& good, std::span<const BadCase> cases,
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
    hra.Hraci[3].JePC = kMistr;
    save(hra, 4);
    const std::string mainDat = readFile(user.resolve(kMainDat));
    const std::string first = readFile(user.resolve(slotName(4, false)));
    writeRecordFile(user, {"something else"});
    auto l = slot(4);   // surplus list items are ignored
    l[12] += "44,55,";  // seat 1's rack
    l[21] += "1,2,3,";  // the bag
    l[22] += "9,junk";  // board row 1
    putSlot(4, l);

    GameState s = rozehranaHra(4, 99);  // a different game on the screen
    s.Pole[1][1].Novy = 50;
    s.Rozpis = "les(1,1) :3,";
    LoadGame(s, user, 4);

    EXPECT_EQ(readFile(user.resolve(kMainDat)), mainDat);
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) EXPECT_EQ(s.Pole[x][y].Novy, 0);
    EXPECT_EQ(s.Zasobnik[4], (Arr1<int32_t, kRack>{}));
    // Ready for the first tick to resume: it counts no moves and no passes; the
    // master kept for a record of the game.
    EXPECT_EQ(std::tuple(s.Kameny[s.Zasobnik[1][1]].Vlastnik, s.Hraci[4].BodyCelkem, s.ZbyvaCasu,
                         s.CisloTahu, s.PocetVzdani, s.Faze, s.Rozpis, s.BodovanePole[1][1],
                         s.Hraci[3].JePC, s.VolbaPC[3]),
              std::tuple(1, 0, 90, 12, 0, Phase::LoadedGame, "", kWord3, kMistr, kMistr));

    // Saved again, the slot is the same byte for byte.
    SaveAndExit(s, user, 5, "6.12.2026");
    EXPECT_EQ(readFile(user.resolve(slotName(5, false))), first);
}

TEST_F(SavedGameTest, LinesStandWhereTheFormatPutsThem) {
    GameState hra = rozehranaHra(2);
    hra.PosledniTah = 12;
    save(hra, 1);
    const auto l = slot(1);
    ASSERT_EQ(l.size(), 9 + 2 * 4 + 1 + 15 + 1 + 12 * 34u);
    EXPECT_EQ(
        std::vector<std::string>(l.begin(), l.begin() + 16),
        (std::vector<std::string>{
            "6.12.2026", "0", "11", "3725", "90", "3", std::to_string(hra.Vytazeno), "2", "2",
            "Jana", "37", "0", listLine(std::span(hra.Zasobnik[1]).subspan(1)), "PC2", "-4", "1"}));
    EXPECT_EQ(std::count(l[17].begin(), l[17].end(), ','), 97);  // the bag follows seat 2
    for (int y = 0; y < kBoard; ++y)
        EXPECT_EQ(std::count(l[18 + y].begin(), l[18 + y].end(), ','), 15);
    std::vector<int32_t> radek8(kBoard);  // the word lies on row 8 from column 6
    for (int x = 6; x <= 10; ++x) radek8[x - 1] = hra.Pole[x][8].Pevny;
    EXPECT_EQ(l[25], listLine(radek8));
    EXPECT_EQ(l[33], "");
    EXPECT_EQ(l[34], "1");  // record 1 begins
    EXPECT_NE(readFile(user.resolve(slotName(1, false))).find("\r\n"), std::string::npos);
}

TEST_F(SavedGameTest, BadSlotFilesChangeNothing) {
    GameState hra = rozehranaHra(2);
    save(hra, 3);
    const auto good = slot(3);
    const int t = hra.Zasobnik[1][1];
    const BadCase cases[] = {
        {"free", [](auto& l) { l[0] = ""; }},
        {"not a number", [](auto& l) { l[3] = "12a"; }},
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
    expectEveryBadSlotRefused(user, "Save/3.dat", good, cases,
                              [&](GameState& s) { LoadGame(s, user, 3); });

    // A game record slot: its header, then the record and its closing section.
    auto zapis = zaznamHry(hra, hra.PosledniTah);
    zapis.insert(zapis.end(), {"1Nevyu\x9Ent\xED :   -7", "", "2Vyu\x9Eit\xED :     +7", "",
                               "1:02:05", "30", "51"});
    writeRecordFile(user, zapis);
    hra.VolbaPC[2] = kMistr;
    SavePr(hra, user, 2, "6.12.2026", "1:02:05");
    const auto dobry = *readSlotLines(user, 2, true);
    const std::vector<std::string> head = {"6.12.2026", "", "11", "3725", "",    "", "",  "", "2",
                                           "Jana",      "", "",   "",     "PC2", "", "2", "", ""};
    EXPECT_EQ(std::vector<std::string>(dobry.begin(), dobry.begin() + 18), head);
    GameState nacteny;
    LoadPr(nacteny, user, 2);
    EXPECT_EQ(nacteny.VolbaPC[2] * 10 + nacteny.Hraci[2].JePC, kMistr * 10) << "kept, not playing";
    const size_t rec = 18;  // first line of record 1
    const BadCase zaznamy[] = {
        {"free", [](auto& l) { l[0] = ""; }},
        {"not a number", [](auto& l) { l[2] = "x"; }},
        {"outside", [](auto& l) { l[8] = "7"; }},
        {"outside", [&](auto& l) { l[rec + 5] = "98"; }},
        {"item 1 is outside", [&](auto& l) { l[rec + 6] = "98,0,0,0,0,0,0,"; }},
        {"15 numbers expected", [&](auto& l) { l[rec + 20] = "0,0,"; }},
        {"empty line expected", [&](auto& l) { l[rec + 33] = "0"; }},
        {"a playing time expected", [](auto& l) { l[l.size() - 3] = "62 min"; }},
        {"a bonus entry expected", [](auto& l) { l[l.size() - 7] = "7Bonus"; }},
        // Record 1, where the viewer opens, must load as a position.
        {"no such player on move 3", [&](auto& l) { l[rec + 4] = "3"; }},
    };
    expectEveryBadSlotRefused(user, "Save/Prubeh/2.dat", dobry, zaznamy,
                              [&](GameState& s) { LoadPr(s, user, 2); });

    // Data/main.dat itself, read at every step through the game: line n of record 2.
    const auto r2 = [](size_t n) { return 34 + n - 1; };
    const BadCase tahy[] = {
        {"not a number", [&](auto& r) { r[r2(3)] = "12x"; }},
        {"empty number line", [&](auto& r) { r[r2(5)] = ""; }},
        {"tile 98 on a rack", [&](auto& r) { r[r2(7)] = "98,0,0,0,0,0,0,"; }},
        {"negative tile", [&](auto& r) { r[r2(10)] = "-1,0,0,0,0,0,0,"; }},
        {"empty field in a list", [&](auto& r) { r[r2(19)] = "0,,0,"; }},
        {"a tile twice", [&](auto& r) { r[r2(10)] = r[r2(7)]; }},
        {"player on move out of play", [&](auto& r) { r[r2(5)] = "4"; }},
        {"drawn count not matching the tiles", [&](auto& r) { r[r2(6)] = "20"; }},
        {"cut short", [](auto& r) { r.resize(34 + 20); }},
    };
    for (const auto& c : tahy) {
        auto r = zaznamHry(hra, 2);
        c.edit(r);
        writeRecordFile(user, r);
        GameState s = rozehranaHra(2, 5);
        s.CisloTahu = 2;
        const std::string pred = snapshot(s);
        EXPECT_THROW(TZapis(user).InitTah(s), FileError) << c.why;
        EXPECT_EQ(snapshot(s), pred) << c.why;
    }
}

TEST(RecordLines, ClosingSectionsOfEveryShape) {
    const GameState s = rozehranaHra(3);
    for (const int bonusy : {0, 1, 3, 4}) {
        auto l = zaznamHry(s, 2);
        for (int b = 0; b < bonusy; ++b) l.insert(l.end(), {"2Nevyu\x9Ent\xED :   -3", ""});
        l.insert(l.end(), {"0:10:00", "1", "2", "3"});
        LineReader r(l, "main.dat");
        if (bonusy < 4) {
            EXPECT_EQ(checkRecordLines(r, 3), 2);
        } else {
            EXPECT_THROW(checkRecordLines(r, 3), FileError);
        }
    }
    LineReader prazdny({}, "main.dat");
    EXPECT_EQ(checkRecordLines(prazdny, 2), 0);
}

// Writers on a failing disk report it and leave the previous file whole, no temporary beside it.
TEST_F(SavedGameTest, WritersFailingMidwayKeepThePreviousFile) {
    const struct {
        const char* file;
        std::function<void(GameState&)> write;
        std::function<void(FileCalls&)> fault;
    } cases[] = {
        {"Save/4.dat", [&](GameState& s) { SaveAndExit(s, user, 4, "7.12.2026"); },
         [](FileCalls& c) {  // a write stops after 10 bytes
             c.write = [left = size_t{10}](int fd, const void* p, size_t n) mutable -> ssize_t {
                 if (left == 0) return errno = ENOSPC, -1;
                 const ssize_t w = ::write(fd, p, std::min(n, left));
                 left -= size_t(w);
                 return w;
             };
         }},
        {"Data/User.dat", [&](GameState& s) { SaveUserData(UserSettings{}, s, user); },
         [](FileCalls& c) { c.fsync = [](int) { return errno = EIO, -1; }; }},
        {"Data/main.dat", [&](GameState& s) { TZapis(user).ZapisTah(s); },
         [](FileCalls& c) { c.rename = [](const char*, const char*) { return errno = EIO, -1; }; }},
    };
    const auto files = [&] {
        std::set<fs::path> all;
        for (const auto& e : fs::recursive_directory_iterator(dir.path())) all.insert(e.path());
        return all;
    };
    GameState hra = rozehranaHra(2);
    save(hra, 4);
    UserSettings nast;
    nast.NastHracu = 3;
    SaveUserData(nast, hra, user);
    hra.CisloTahu = 13;
    for (const auto& c : cases) {
        const std::string before = readFile(user.resolve(c.file));
        const auto present = files();
        c.fault(fileCalls());
        EXPECT_THROW(c.write(hra), FileError) << c.file;
        fileCalls() = FileCalls{::write, ::fsync, ::rename};
        EXPECT_EQ(readFile(user.resolve(c.file)), before) << c.file;
        EXPECT_EQ(files(), present) << c.file;
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

TEST(ResumedGame, ARecordMissingTheLastMoveIsNotSavedOverAGoodSlot) {
    test::HerniStul a(test::skriptHry(1, "pesalkoabcdeft", test::zamichano(3)));
    const FileRoot root(a.dir.path());
    a.start();
    a.tah(3);
    SaveAndExit(a.s, root, 3, "6.12.2026");
    const std::string stary = a.mainDat();
    a.hra.PrehazujClick();
    writeFileAtomic(a.zapis.mainDat(), stary);
    const std::string slot3 = readFile(root.resolve(slotName(3, false)));
    EXPECT_THROW(SaveAndExit(a.s, root, 3, "6.12.2026"), FileError);
    EXPECT_EQ(readFile(root.resolve(slotName(3, false))), slot3);
}

TEST(ClockText, FormatsAndParsesTheCaption) {
    const struct {
        int32_t sekundy;
        const char* text;
    } cases[] = {{0, "0:00:00"},    {59, "0:00:59"},     {425, "0:07:05"},
                 {3725, "1:02:05"}, {36000, "10:00:00"}, {360000, "100:00:00"}};
    for (const auto& c : cases) {
        EXPECT_EQ(casText(c.sekundy), c.text);
        int32_t back = -1;
        EXPECT_TRUE(parseCasText(c.text, back)) << c.text;
        EXPECT_EQ(back, c.sekundy);
    }
    for (const char* bad : {"", "1:2:05", "1:02", ":02:05", "1:02:05:", "a:02:05", "1;02:05",
                            "1:0x:05", "99999999999:00:00"}) {
        int32_t v = 7;
        EXPECT_FALSE(parseCasText(bad, v)) << bad;
    }
}

class UserSettingsTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    FileRoot user{dir.path()};
    UserSettings nast;
    GameState s;

    void put(const std::string& bytes) {
        fs::create_directories(dir.path() / "Data");
        writeFileAtomic(dir.path() / "Data" / "User.dat", bytes);
    }
};

// Effects on for any number but 0; LF lines read; an older file's ten lines: default options.
TEST_F(UserSettingsTest, ReadsTheTenLines) {
    put("200\n5\n7\n3\nJana;1\nHrac2;0\nA;B;0\n;1\n4\n120\n");
    nast.volby = {false, true, true, true};
    EXPECT_TRUE(LoadUserData(nast, s, user, 5));
    EXPECT_EQ(std::tuple(nast.volby, s.ZvukyZap, nast.HlasitostHudby, nast.PocetPisni,
                         nast.NastHracu, nast.NastMinPismen, nast.NastLimit),
              std::tuple(Volby{}, 1, 200, 7, 3, 4, 120));
    EXPECT_EQ(nast.MJmeno, (Arr1<std::string, kSeats>{"", "Jana", "Hrac2", "A;B", ""}));
    EXPECT_EQ(nast.NastPC, (Arr1<int32_t, kSeats>{0, 1, 0, 0, 1}));
}

TEST_F(UserSettingsTest, WritesWhatItReads) {
    nast.HlasitostHudby = 17;
    nast.PocetPisni = 3;
    nast.NastHracu = 4;
    nast.NastMinPismen = 5;
    nast.NastLimit = 300;
    nast.MJmeno = {"", "Hrac1", "PC2", "\x8A\xE1rka", "x\r\ny"};  // "Šárka" in cp1250
    nast.NastPC = {0, 0, 1, 0, 1};
    nast.volby = {false, true, false, true};
    s.ZvukyZap = 0;
    SaveUserData(nast, s, user);
    EXPECT_EQ(readFile(dir.path() / "Data" / "User.dat"),
              "17\r\n0\r\n3\r\n4\r\nHrac1;0\r\nPC2;1\r\n\x8A\xE1rka;0\r\nxy;1\r\n5\r\n300\r\n"
              "Nahled=0\r\nRychleAnimace=1\r\nSkrytPC=0\r\nSkrytOstatni=1\r\n");
    UserSettings back;
    GameState t;
    EXPECT_TRUE(LoadUserData(back, t, user, 0));
    EXPECT_EQ(formatUserData(back, t.ZvukyZap), formatUserData(nast, s.ZvukyZap));
}

TEST_F(UserSettingsTest, MissingOrBadFileGivesTheDefaults) {
    UserSettings defaults;
    GameState ds;
    parseUserData(defaultUserDat(6), "x", defaults, ds.ZvukyZap);

    const std::string good = "9\r\n1\r\n1\r\n2\r\na;0\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n0\r\n";
    const std::string cases[] = {
        "",                                                            // missing (not written)
        "9\r\n1\r\n1\r\n2\r\na;0\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n",       // a line short
        "x\r\n1\r\n1\r\n2\r\na;0\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n0\r\n",  // not a number
        "256\r\n1\r\n1\r\n2\r\na;0\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n0\r\n",
        "9\r\n1\r\n1\r\n5\r\na;0\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n0\r\n",   // five players
        "9\r\n1\r\n1\r\n2\r\na;3\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n0\r\n",   // flag 3
        "9\r\n1\r\n1\r\n2\r\na;0\r\n0\r\nc;0\r\nd;0\r\n2\r\n0\r\n",     // seat line too short
        "9\r\n1\r\n1\r\n2\r\na;0\r\nb;0\r\nc;0\r\nd;0\r\n6\r\n0\r\n",   // six letters
        "9\r\n1\r\n1\r\n2\r\na;0\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n45\r\n",  // not a step of 30
        "9\r\n1\r\n1\r\n2\r\nJan Nepomuk;0\r\nb;0\r\nc;0\r\nd;0\r\n2\r\n0\r\n",  // long name
        good + std::string(5000, ' '),                                           // far too large
    };
    const fs::path aside = dir.path() / "Data" / "User.dat.poskozeny";
    for (const std::string& bad : cases) {
        if (!bad.empty()) put(bad);
        nast = UserSettings{};
        s.ZvukyZap = 0;
        const NactenaNastaveni r = LoadUserData(nast, s, user, 6);
        EXPECT_FALSE(r) << bad;
        // A file that was there is the player's: kept aside, and he is told.
        EXPECT_EQ(existsAtAll(aside) ? readFile(aside) : "", bad);
        EXPECT_EQ(r.upozorneni.find("User.dat.poskozeny") != std::string::npos, !bad.empty());
        fs::remove(aside);
        EXPECT_EQ(nast.MJmeno, defaults.MJmeno);
        EXPECT_EQ(nast.PocetPisni, 6);
        EXPECT_EQ(s.ZvukyZap, ds.ZvukyZap);
    }
    put(good);
    EXPECT_TRUE(LoadUserData(nast, s, user, 6));
    EXPECT_EQ(nast.HlasitostHudby, 9);
}

// A game of the saved choices starts only with a person among the seats in play.
TEST(MenuReset, PriradHodnotyNeedsAPersonInPlay) {
    const struct {
        int hracu;
        Arr1<int32_t, kSeats> pc;
        bool starts;
    } cases[] = {{2, {0, 1, 1, 0, 0}, false}, {3, {0, 1, 1, 0, 1}, true}};
    for (const auto& c : cases) {
        UserSettings n;
        n.NastHracu = c.hracu;
        n.NastPC = c.pc;
        GameState s;
        EXPECT_EQ(PriradHodnoty(s, n), c.starts) << c.hracu;
    }
}

}  // namespace
}  // namespace tb
