// The master's moves against a brute force judged and scored by the game's own rules.

#include "engine/ai/master.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <tuple>

#include "engine/ai/computer_turn.h"
#include "engine/game/board_runs.h"
#include "engine/game/letter_codes.h"
#include "engine/game/placement_checker.h"
#include "engine/game/scoring.h"
#include "files/text.h"
#include "store/memory_word_store.h"
#include "support/board_setup.h"
#include "support/game_fixture.h"

namespace tb::test {
namespace {

// The cells a move lays, "x,y=letter;" in board order, and its points.
using Tahy = std::map<std::string, int>;

std::string klic(const GameState& s) {
    std::string k;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y)
            if (const int t = s.Pole[x][y].Novy)
                k += std::to_string(x) + "," + std::to_string(y) + "=" + s.Kameny[t].Pismeno + ";";
    return k;
}

class HrubaSila {
  public:
    HrubaSila(GameState& s, WordCursor& kurzor) : s_(s), kurzor_(kurzor) {}

    Tahy vse() {
        for (bool vod : {true, false})
            for (int b = 1; b <= kBoard; ++b)
                for (int a = 1; a <= kBoard; ++a) lozeni(vod, b, a);
        return tahy_;
    }

  private:
    Policko& pole(bool vod, int b, int a) { return vod ? s_.Pole[a][b] : s_.Pole[b][a]; }

    // Lays each unused rack tile on the first empty cell from a on, and on.
    void lozeni(bool vod, int b, int a) {
        while (a <= kBoard && pole(vod, b, a).Pevny + pole(vod, b, a).Novy != 0) ++a;
        if (a > kBoard) return;
        for (int slot = 1; slot <= kRack; ++slot) {
            int& t = s_.Zasobnik[1][slot];
            if (t == 0) continue;
            pole(vod, b, a).Novy = std::exchange(t, 0);
            posud();
            lozeni(vod, b, a + 1);
            t = std::exchange(pole(vod, b, a).Novy, 0);
        }
    }

    void posud() {
        PlacementChecker p;
        for (int y = 1; y <= kBoard; ++y)
            for (int x = 1; x <= kBoard; ++x)
                p.setSquare(x, y, s_.Pole[x][y].Pevny, s_.Pole[x][y].Novy);
        p.setRules(s_.MinPismen, false, s_.PrvniTah);
        p.markNeighbours();
        if (p.hasFault()) return;
        for (bool vod : {true, false})
            for (const Beh& b : behyTahu(s_, vod))
                if (b.delka > 1 && !kurzor_.Lookup(pismenaBehu(s_, b))) return;
        GameState c = s_;
        Oboduj(c);
        tahy_[klic(s_)] = c.Hraci[c.NaTahu].BodyTah;
    }

    GameState& s_;
    WordCursor& kurzor_;
    Tahy tahy_;
};

// The master's list as cells and points; the list must run best first.
Tahy mistrovy(const std::vector<Kandidat>& tahy, GameState s) {
    Tahy out;
    for (size_t i = 0; i < tahy.size(); ++i) {
        const Kandidat& k = tahy[i];
        EXPECT_GE(tahy[i > 0 ? i - 1 : 0].Body, k.Body);
        GameState c = s;
        GameUi ui;
        polozKandidata(c, ui, k);
        EXPECT_TRUE(out.emplace(klic(c), k.Body).second) << k.Slovo << " twice";
    }
    return out;
}

struct Pripad {
    const char* co;
    std::vector<std::tuple<int, int, bool, std::string>> deska;
    std::string stojan;
    int minPismen = 2;
};

TEST(Master, EveryLegalMoveWithTheGameScoreAsTheBruteForceFindsThem) {
    // "lepe" the player removed (in the graph, not in the dictionary); "spel"
    // and "ky" he added (in the dictionary, not in the shipped graph).
    const std::vector<std::string> graf = {
        "pes", "les", "ples", "pel",  "lep",  "lepe", "sele", "osel", "pole", "sol",
        "los", "oko", "kos",  "kolo", "sklo", "lesk", "pesy", "ose",  "ale",  "sal",
        "ok",  "ko",  "el",   "os",   "po",   "se",   "pa",   "pak",  "kape"};
    const std::vector<std::string> pridana = {"spel", "ky"};
    MemoryWordStore slovnik;
    {
        auto k = slovnik.openCursor();
        for (const auto& w : graf)
            if (w != "lepe") k->InsertWord(w);
        for (const auto& w : pridana) k->InsertWord(w);
    }
    std::vector<Pripad> pripady = {
        {"first move through the centre, a repeated letter", {}, "peesk"},
        {"through two separate tiles, parallel, the edge, one tile both ways",
         {{1, 1, true, "les"},
          {5, 1, true, "o"},
          {8, 6, false, "kolo"},
          {9, 9, true, "pe"},
          {11, 4, true, "pe"},
          {13, 5, true, "e"},
          {3, 12, true, "l"},
          {5, 12, true, "s"}},
         "pslke"},
        {"the shortest word allowed is 3", {{7, 8, true, "pes"}, {9, 9, false, "le"}}, "olsek", 3},
        {"full edge column",
         {{15, 1, false, "pole"}, {15, 6, false, "sklo"}, {15, 11, false, "kolo"}},
         "sepky"},
    };
    std::mt19937 nahoda(7);
    for (int i = 0; i < 4; ++i) {
        Pripad p{"random board", {}, ""};
        for (int w = 0; w < 5; ++w)
            p.deska.emplace_back(1 + nahoda() % 12, 1 + nahoda() % 12, nahoda() % 2,
                                 graf[nahoda() % graf.size()]);
        for (int j = 0; j < 5; ++j) p.stojan += "aeklopsy"[nahoda() % 8];
        pripady.push_back(p);
    }
    for (const Pripad& p : pripady) {
        Deska f;
        for (const auto& [x, y, h, w] : p.deska)
            for (size_t i = 0; i < w.size(); ++i) {
                const int cx = h ? x + static_cast<int>(i) : x,
                          cy = h ? y : y + static_cast<int>(i);
                if (f.s.Pole[cx][cy].Pevny == 0) f.s.Pole[cx][cy].Pevny = f.kamen(w[i]);
            }
        f.stojan(1, p.stojan);
        f.s.NaTahu = 1;
        f.s.MinPismen = p.minPismen;
        f.s.PrvniTah = p.deska.empty();
        auto kurzor = slovnik.openCursor();
        Mistr m(
            *kurzor,
            [&] {
                std::vector<std::string> k;
                for (const auto& w : graf) appendCodesOfUtf8(w, k.emplace_back());
                return std::make_shared<const WordGraph>(buildWordGraph(k), "");
            },
            [&] { return pridana; });
        const Tahy hrube = HrubaSila(f.s, *kurzor).vse();
        EXPECT_EQ(mistrovy(m.vsechnyTahy(f.s), f.s), hrube) << p.co;
        EXPECT_FALSE(hrube.empty()) << p.co;
    }
    EXPECT_THROW(WordGraph(buildWordGraph({"\x01\x02"}).substr(1), "x"), FileError);
}

// The computer player at the table.
TEST(ComputerTurn, ARefusedMoveGoesBackToTheRackAndTheSeatPasses) {
    // The computer knows a word the game's dictionary lacks, and the word
    // error dialog is answered "correct it myself".
    HerniStul t(skriptHry(1, "pes", zamichano(5)), 2);
    MemoryWordStore jinySlovnik{"pes"};
    auto kurzorPC = jinySlovnik.openCursor();
    PocitacovyHrac pc(t.hra, *kurzorPC);
    t.hra.setComputerPlayer(&pc);
    t.s.VolbaPC[1] = 1;
    t.ui.slovaOdpovedi = {DialogVolba::OpravimSam};
    t.start();
    EXPECT_EQ(t.ui.slova.size(), 1u);
    EXPECT_EQ(t.s.NaTahu, 2);
    EXPECT_EQ(klic(t.s), "");  // and the rack is full again
    EXPECT_EQ(std::count(t.s.Zasobnik[1].begin() + 1, t.s.Zasobnik[1].end(), 0), 0);
}

TEST(ComputerTurn, TheMasterLaysItsBestMoveAndWithoutOneExchanges) {
    struct Pripad {
        std::vector<std::string> slova;
        std::string zapsano;
        bool graf = true;  // false: the word graph cannot be read
    };
    const Pripad pripady[] = {
        {{"pe", "pes"}, "pes(8,6):3,"},
        {{}, utf8ToCp1250("Výměna:")},
        {{"pe", "pes"}, "pes(7,8) :3,", false},  // the computer player stands in
    };
    for (const auto& [slova, zapsano, graf] : pripady) {
        HerniStul t(skriptHry(1, "pes", zamichano(5)), 2);
        for (const auto& w : slova) t.kurzor->InsertWord(w);
        std::vector<std::string> kody;
        for (const auto& w : slova) appendCodesOfUtf8(w, kody.emplace_back());
        Mistr mistr(*t.kurzor, [&] {
            if (!graf) throw FileError("Slovnik_cz.dawg: cannot read");
            return std::make_shared<const WordGraph>(buildWordGraph(kody), "");
        });
        PocitacovyHrac pc(t.hra, *t.kurzor, &mistr);
        t.hra.setComputerPlayer(&pc);
        t.s.VolbaPC[1] = kMistr;
        if (graf)
            t.start();
        else
            EXPECT_THROW(t.start(), FileError);
        EXPECT_EQ(t.s.NaTahu, 2);
        const auto& r = t.zapis.radky();
        EXPECT_TRUE(std::any_of(r.begin(), r.end(), [&](const std::string& l) {
            return l.starts_with(zapsano);
        })) << zapsano;
    }
}

}  // namespace
}  // namespace tb::test
