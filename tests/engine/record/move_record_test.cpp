#include "engine/record/move_record.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/board_setup.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

struct Zaznamy : ::testing::Test {
    Zaznamy() : zapis(FileRoot(dir.path())) {
        std::filesystem::create_directories(dir.path() / "Data");
        GameState& s = d.s;
        s.PocetHracu = 3;
        s.LimitTahu = 60;
        for (int t = 1; t <= kTiles; ++t) s.Pytel[t] = t;
        d.pevne(7, 8, true, "pes");
        d.stojan(1, "ab.cdef");
        d.stojan(2, "ghijklm");
        d.stojan(3, ".......");
        s.Vytazeno = 16;
        s.NaTahu = 2;
        s.SekundHry = 125;
        s.SekundTahu = 17;
        s.Hraci[1] = {5, 12, 0, "Eva"};
        s.Hraci[2] = {-3, 40, 0, "Jan"};
    }
    void zapisZaznamy(int od, int po) {
        for (int k = od; k <= po; ++k) {
            d.s.CisloTahu = k;
            d.s.Rozpis = "tah" + std::to_string(k) + ",";
            zapis.ZapisTah(d.s);
        }
    }
    test::Deska d;
    test::TempDir dir;
    TZapis zapis;
};

TEST_F(Zaznamy, CuttingBackFromNineToFiveKeepsTheFirstFourAndRenamesTheScratch) {
    zapisZaznamy(1, 9);
    zapis.ZapisBonus(false, 3, 1);
    EXPECT_EQ(zapis.radky().size(), 9u * 34) << "the closing section goes in whole";
    zapis.ZapisKonec(d.s);
    const auto pred = zapis.radky();
    ASSERT_EQ(pred.size(), 9u * 34 + 2 + 4);
    zapisZaznamy(5, 5);
    const auto po = zapis.radky();
    ASSERT_EQ(po.size(), 5u * 34);
    EXPECT_TRUE(std::equal(po.begin(), po.begin() + 4 * 34, pred.begin()));
    EXPECT_EQ(po[4 * 34], "5");
    EXPECT_EQ(po[4 * 34 + 1], "tah5,");
    EXPECT_FALSE(std::filesystem::exists(zapis.hlpDat()));
}

TEST_F(Zaznamy, NewGameStartsTheFileAfreshAndAShortFileKeepsRecordPlaces) {
    zapisZaznamy(1, 1);  // no main.dat yet
    EXPECT_EQ(zapis.radky().size(), 34u);
    zapisZaznamy(4, 4);
    const auto r = zapis.radky();
    ASSERT_EQ(r.size(), 4u * 34);
    EXPECT_EQ(r[34], "");
    EXPECT_EQ(r[3 * 34], "4");
}

TEST_F(Zaznamy, LoadingARecordRestoresThePosition) {
    zapisZaznamy(1, 3);
    GameState nacteno = d.s;
    for (auto& radek : nacteno.Zasobnik) radek.fill(5);
    nacteno.Pole[7][8].Pevny = 0;
    nacteno.SekundHry = nacteno.NaTahu = 1;
    nacteno.ZbyvaCasu = 0;
    nacteno.CisloTahu = 2;
    zapis.InitTah(nacteno);
    EXPECT_EQ(zaznamText(nacteno).substr(4), zaznamText(d.s).substr(4));
    EXPECT_EQ(nacteno.ZbyvaCasu, 60);
    EXPECT_EQ(nacteno.Kameny[d.s.Zasobnik[2][1]].Vlastnik, 2);
    EXPECT_EQ(nacteno.Kameny[d.s.Zasobnik[2][1]].Aktivni, 1);
    EXPECT_EQ(nacteno.Kameny[d.s.Zasobnik[1][1]].Aktivni, 0);
    EXPECT_EQ(nacteno.Kameny[d.s.Pole[7][8].Pevny].Vlastnik, kNaBoard);
    for (int slot = 1; slot <= kRack; ++slot) EXPECT_EQ(nacteno.Zasobnik[3][slot], 0);
}

TEST_F(Zaznamy, MalformedRecordStopsWithAnErrorAndChangesNothing) {
    zapisZaznamy(1, 2);
    const std::string dobry = readFile(zapis.mainDat());
    // Line numbers within record 2 (1-based).
    const std::vector<std::pair<const char*, std::function<void(std::vector<std::string>&)>>>
        pripady = {
            {"not a number", [](auto& r) { r[34 + 3 - 1] = "12x"; }},
            {"empty number line", [](auto& r) { r[34 + 5 - 1] = ""; }},
            {"tile 98 on a rack", [](auto& r) { r[34 + 7 - 1] = "98,0,0,0,0,0,0,"; }},
            {"negative tile", [](auto& r) { r[34 + 10 - 1] = "-1,0,0,0,0,0,0,"; }},
            {"empty field in a list", [](auto& r) { r[34 + 19 - 1] = "0,,0,"; }},
            {"a tile twice", [](auto& r) { r[34 + 10 - 1] = r[34 + 7 - 1]; }},
            {"player on move out of play", [](auto& r) { r[34 + 5 - 1] = "4"; }},
            {"drawn count not matching the tiles", [](auto& r) { r[34 + 6 - 1] = "20"; }},
            {"cut short", [](auto& r) { r.resize(34 + 20); }},
        };
    for (const auto& [nazev, poskod] : pripady) {
        SCOPED_TRACE(nazev);
        auto radky = splitLines(dobry);
        poskod(radky);
        std::string text;
        for (const auto& l : radky) text += l + "\r\n";
        writeFileAtomic(zapis.mainDat(), text);
        GameState s = d.s;
        s.CisloTahu = 2;
        s.SekundHry = 999;
        const GameState pred = s;
        EXPECT_THROW(zapis.InitTah(s), FileError);
        EXPECT_EQ(zaznamText(s), zaznamText(pred));
        EXPECT_EQ(s.ZbyvaCasu, pred.ZbyvaCasu);
        EXPECT_EQ(s.Pytel, pred.Pytel);
    }
}

TEST(Pytel, LoadedPositionOwnsExactlyTheDealtPartOfTheBag) {
    test::Deska d;
    GameState& s = d.s;
    s.PocetHracu = 2;
    for (int t = 1; t <= kTiles; ++t) s.Pytel[t] = t;
    s.Vytazeno = 14;
    // Racks hold 1..6, 8..14 and 50 (as after an exchange of 7 for 50, stepped back wrongly).
    for (int i = 1; i <= 7; ++i) s.Zasobnik[1][i] = i == 7 ? 50 : i;
    for (int i = 1; i <= 7; ++i) s.Zasobnik[2][i] = 7 + i;
    srovnejPytel(s);
    std::vector<int> vydano(s.Pytel.begin() + 1, s.Pytel.begin() + 15);
    std::sort(vydano.begin(), vydano.end());
    std::vector<int> ocekavano{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 50};
    EXPECT_EQ(vydano, ocekavano);
    std::vector<int> vse(s.Pytel.begin() + 1, s.Pytel.end());
    std::sort(vse.begin(), vse.end());
    for (int t = 1; t <= kTiles; ++t) EXPECT_EQ(vse[t - 1], t);
}

}  // namespace
}  // namespace tb
