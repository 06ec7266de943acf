// One whole game played headless through the turn cycle: pinned chance, a
// small dictionary grown through the word dialog, an exchange that is
// stepped back over, and play to the last tile of the bag.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "engine/record/move_list.h"
#include "engine/record/replay.h"
#include "support/game_fixture.h"

namespace tb {
namespace {

void hrajCelouHru(test::HerniStul& t) {
    t.slovnik = MemoryWordStore{"pes", "les"};
    t.start();
    for (int tah = 1; t.ui.vysledky.empty() && tah < 300; ++tah) {
        t.hra.frameTick();
        t.hra.frameTick();
        if (tah == 3) {
            t.ui.oznaceno = {1, 2};
            t.hra.VymenitClick();
            t.hra.VymenitClick();
        } else if (tah == 4) {
            ZpetClick(t.s, t.ui, t.zapis);  // back over the exchange
        } else {
            t.tah(tah % 3 + 2);
        }
    }
}

TEST(CelaHra, SteppingBackOverAnExchangeStillDealsEveryTileOnce) {
    test::HerniStul t(test::skriptHry(1, "", test::zamichano(2026)));
    hrajCelouHru(t);
    ASSERT_EQ(t.ui.vysledky.size(), 1u);
    EXPECT_EQ(t.s.Vytazeno, kTiles);
    EXPECT_EQ(checkTiles(t.s), "");
    EXPECT_TRUE(t.ui.pravidla.empty());
}

TEST(CelaHra, RecordFileIsExactlyTheExpectedOne) {
    test::HerniStul t(test::skriptHry(2, "", test::zamichano(7)));
    t.ui.prohlizetPoKonci = true;
    hrajCelouHru(t);
    ASSERT_EQ(t.ui.vysledky.size(), 1u);
    const std::string skutecny = t.mainDat();
    const std::filesystem::path ocekavany =
        std::filesystem::path(TB_SOURCE_DIR) / "tests/engine/record/data/whole_game_main.dat";
    // TB_UPDATE_EXPECTED=1 rewrites the expected file (inspect it before committing).
    if (std::getenv("TB_UPDATE_EXPECTED")) writeFileAtomic(ocekavany, skutecny);
    const auto ocek = splitLines(readFile(ocekavany)), skut = splitLines(skutecny);
    const auto rozdil = std::mismatch(ocek.begin(), ocek.end(), skut.begin(), skut.end()).first;
    EXPECT_EQ(readFile(ocekavany), skutecny)
        << "first different line " << rozdil - ocek.begin() + 1;

    // The results table has the closing section's penalties, bonus and final
    // scores ("2Nevyužití všech písmen :   -2", the time, the scores), best first.
    Arr1<int, kSeats> srazka{}, bonus{};
    auto i = skut.begin() + t.s.PosledniTah * kRadkuZaznamu;
    for (; i->find(' ') != std::string::npos; i += 2)
        ((*i)[i->find_last_of("+-")] == '+' ? bonus : srazka)[(*i)[0] - '0'] =
            std::stoi(i->substr(i->find_last_of("+-") + 1));
    const auto& tabulka = t.ui.vysledky[0].tabulka;
    ASSERT_EQ(tabulka.size(), 2u);
    EXPECT_GT(tabulka[0].body, tabulka[1].body);
    for (const RadekVysledku& r : tabulka)
        EXPECT_EQ(std::tuple(r.body, r.srazka, r.bonus),
                  std::tuple(std::stoi(i[r.hrac]), srazka[r.hrac], bonus[r.hrac]));

    // Browsing the finished game up to its last record.
    for (int kliku = 0; t.s.CisloTahu < t.s.PosledniTah && kliku < 300; ++kliku)
        VpredClick(t.s, t.ui, t.zapis);
    // What a step restores (all but the number, the description and the turn time).
    auto obnovene = [](std::vector<std::string> r) {
        r.erase(r.begin() + 3);
        r.erase(r.begin(), r.begin() + 2);
        return r;
    };
    const auto radky = t.zapis.radky();
    const auto zacatek = radky.begin() + (t.s.PosledniTah - 1) * kRadkuZaznamu;
    EXPECT_EQ(obnovene(splitLines(zaznamText(t.s))), obnovene({zacatek, zacatek + kRadkuZaznamu}));

    const auto seznam = seznamTahu(t.s, t.zapis);
    ASSERT_EQ(seznam.size(), static_cast<size_t>(t.s.PosledniTah - 1 + 2 + 1 + 2 + 1));
    EXPECT_EQ(seznam.back().druh, RadekSeznamu::Druh::Cas);
}

}  // namespace
}  // namespace tb
