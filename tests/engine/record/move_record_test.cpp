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
        auto radky = rozdelRadky(dobry);
        poskod(radky);
        std::string text;
        for (const auto& l : radky) text += l + "\r\n";
        writeFileAtomic(zapis.mainDat(), text);
        GameState s = d.s;
        s.CisloTahu = 2;
        s.SekundHry = 999;
        const GameState pred = s;
        EXPECT_THROW(zapis.InitTah(s), RecordError);
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
