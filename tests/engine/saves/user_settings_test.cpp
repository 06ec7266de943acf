#include "engine/saves/user_settings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/game/menu_reset.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

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

// Any number other than 0 turns the effects on; LF-only lines read too. The
// ten lines alone (an older file) give the options their defaults.
TEST_F(UserSettingsTest, ReadsTheTenLines) {
    put("200\n5\n7\n3\nJana;1\nHrac2;0\nA;B;0\n;1\n4\n120\n");
    nast.volby = {false, true, true, true};
    EXPECT_TRUE(LoadUserData(nast, s, user, 5));
    EXPECT_EQ(nast.volby, Volby{});
    EXPECT_EQ(s.ZvukyZap, 1);
    EXPECT_EQ(std::tuple(nast.HlasitostHudby, nast.PocetPisni, nast.NastHracu, nast.NastMinPismen,
                         nast.NastLimit),
              std::tuple(200, 7, 3, 4, 120));
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
    EXPECT_EQ(back.MJmeno[3], nast.MJmeno[3]);
    EXPECT_EQ(back.NastPC, nast.NastPC);
    EXPECT_EQ(back.volby, nast.volby);
    EXPECT_EQ(t.ZvukyZap, 0);
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
