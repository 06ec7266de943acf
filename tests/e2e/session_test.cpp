// Whole sessions through the real application: the intro, the menus, a game
// of a person against the computer with every dialog it can meet, saving,
// loading, the end of a game, its record and the record screens.
#include "menu/file_lines.h"
#include "menu/saved_game.h"
#include "menu/slot_files.h"
#include "session_fixture.h"

namespace tb::test {
namespace {

struct Pozice {
    std::array<std::array<int, kBoard + 1>, kBoard + 1> pevne{};
    std::array<std::array<int, kRack + 1>, kSeats + 1> stojany{};
    std::array<int, kSeats + 1> body{};
    int NaTahu = 0, PosledniTah = 0;
    bool operator==(const Pozice&) const = default;
};

Pozice pozice(const GameState& s) {
    Pozice p;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) p.pevne[x][y] = s.Pole[x][y].Pevny;
    for (int h = 1; h <= kSeats; ++h) {
        for (int k = 1; k <= kRack; ++k) p.stojany[h][k] = s.Zasobnik[h][k];
        p.body[h] = s.Hraci[h].BodyCelkem;
    }
    p.NaTahu = s.NaTahu;
    p.PosledniTah = s.PosledniTah;
    return p;
}

int novych(const GameState& s) {
    int n = 0;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) n += s.Pole[x][y].Novy != 0;
    return n;
}

int naStojanu(const GameState& s, int hrac) {
    int n = 0;
    for (int k = 1; k <= kRack; ++k) n += s.Zasobnik[hrac][k] != 0;
    return n;
}

TEST(Session, APersonMeetsEveryDialogOfAGameAgainstTheComputerThenSavesAndLoadsIt) {
    Sezeni t;

    // The intro plays until Esc; the main menu lights the button under the pointer.
    t.cekej(300);
    t.potom([&] { EXPECT_EQ(t.s().HudbaVypnuta, 1) << "the intro is still playing"; });
    t.klavesa(27);
    t.potom([&] { t.events.move(420, 200); });
    t.cekej(100);
    t.potom([&] {
        EXPECT_EQ(t.s().HudbaVypnuta, 0);
        EXPECT_EQ(t.menu().MenuObrazovka, kMenuHlavni);
        EXPECT_TRUE(t.naObrazovce(t.obrazky("DXMenu")[2], 412, 130, 100, 20)) << "New is lit";
        EXPECT_TRUE(t.naObrazovce(t.obrazky("DXMenu")[4], 287, 220, 100, 40)) << "Load is not";
    });

    // The setup: the number of seats wraps, the first seat gets a name, the
    // computer keeps the second one.
    t.menuTlacitko(1);
    std::vector<int> hracu;
    for (int i = 0; i < 3; ++i) {
        t.menuTlacitko(8);
        t.potom([&] { hracu.push_back(t.hra().nastaveni().NastHracu); });
    }
    t.menuKlik(261 + 50, 380 + 15);
    for (int i = 0; i < 5; ++i) t.klavesa(8);
    t.potom([&] { t.events.type("Eva"); });
    t.menuTlacitko(13);
    t.cekej(100);
    t.potom([&] {
        EXPECT_EQ(hracu, (std::vector<int>{3, 4, 2}));
        const GameState& s = t.s();
        EXPECT_EQ(t.hra().hra().interval(), 1000) << "the game runs";
        EXPECT_EQ(s.PocetHracu, 2);
        EXPECT_EQ(s.Hraci[1].Jmeno, "Eva");
        EXPECT_EQ(s.Hraci[1].JePC, 0);
        EXPECT_EQ(s.Hraci[2].JePC, 1);
        EXPECT_NE(t.obsah("Data/User.dat").find("\r\n2\r\nEva;0\r\nPC2;1\r\n"), std::string::npos)
            << t.obsah("Data/User.dat");
        // The computer opened and, knowing no word, passed.
        EXPECT_EQ(s.NaTahu, 1);
        EXPECT_EQ(s.CisloTahu, 2);
        EXPECT_EQ(naStojanu(s, 1), 7);
    });

    // A lone letter off the centre: the rule error box; taking it back
    // leaves the board empty and checks the move again, which passes it.
    t.poloz({1}, 1, 1);
    t.tlacitko(kNext);
    t.potom([&] {
        EXPECT_EQ(t.okno().name, "TChyba1Box");
        EXPECT_EQ(t.text("Label2"), cp("Písmeno \"") + t.s().Kameny[t.s().Pole[1][1].Novy].Pismeno +
                                        cp("\" je samotné. Souřadnice jsou:1,1."));
    });
    t.dialog("Button1");
    t.potom([&] {
        EXPECT_EQ(t.okno().name, "TForm1");
        EXPECT_EQ(novych(t.s()), 0);
        EXPECT_EQ(naStojanu(t.s(), 1), 7);
        EXPECT_EQ(t.s().NaTahu, 1);
    });

    // A word the dictionary lacks: taken back first, then added.
    std::string slovo;
    t.poloz({1, 2, 3}, 8, 8);
    t.tlacitko(kNext);
    t.potom([&] {
        slovo = t.noveSlovo(8, 8);
        EXPECT_EQ(slovo.size(), 3u);
        EXPECT_EQ(t.okno().name, "TChybaSlova");
        EXPECT_EQ(t.text("Label1"), cp("Slovo \"") + slovo + cp("\" na souřadnicích: 8,8"));
    });
    t.dialog("Button1");
    t.potom([&] {
        EXPECT_EQ(novych(t.s()), 0);
        EXPECT_EQ(naStojanu(t.s(), 1), 7);
        EXPECT_FALSE(t.veSlovniku(slovo));
    });
    t.poloz({1, 2, 3}, 8, 8);
    t.tlacitko(kNext);
    t.potom([&] {
        slovo = t.noveSlovo(8, 8);
        t.slovaKRade(slovo, 2);  // what the computer can answer with
    });
    t.dialog("Button3");
    // The computer answers through the word with its flying tiles.
    t.potom([&] {
        const GameState& s = t.s();
        EXPECT_TRUE(t.veSlovniku(slovo));
        EXPECT_EQ(s.Kameny[s.Pole[8][8].Pevny].Pismeno, slovo.substr(0, 1));
        EXPECT_GT(s.Hraci[1].BodyCelkem, 0);
        EXPECT_GT(s.Hraci[2].BodyCelkem, 0) << "the computer laid a word";
        EXPECT_GT(pevnych(s), 3);
        EXPECT_EQ(s.NaTahu, 1);
        EXPECT_EQ(naStojanu(s, 1), 7);
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y)
                if (const int k = s.Pole[x][y].Pevny) {
                    const Bod b = polohaNaDesce(x, y);
                    EXPECT_TRUE(t.naObrazovce(t.pismeno(k), b.x, b.y, 16, 12)) << x << "," << y;
                }
        EXPECT_TRUE(nicNeztraceno(s));
    });

    // Exchange of two tiles: the bag keeps its count, the record the letters.
    int vytazeno = 0, tah = 0;
    std::string vymena;
    t.potom([&] {
        vytazeno = t.s().Vytazeno;
        tah = t.s().CisloTahu;
        for (int k : {1, 2}) vymena += t.s().Kameny[t.s().Zasobnik[1][k]].Pismeno + ",";
    });
    t.tlacitko(kChange);
    t.slot(1);
    t.slot(2);
    t.potom([&] {
        EXPECT_TRUE(t.s().RezimVymeny);
        EXPECT_TRUE(t.form().KVs[1]->visible && t.form().KVs[2]->visible);
        EXPECT_FALSE(t.form().KVs[3]->visible);
    });
    t.tlacitko(kChange);
    t.potom([&] {
        const GameState& s = t.s();
        EXPECT_FALSE(s.RezimVymeny);
        EXPECT_EQ(s.Vytazeno, vytazeno);
        EXPECT_EQ(s.CisloTahu, tah + 2) << "the exchange was a move, the computer made one";
        EXPECT_NE(t.obsah(kMainDat).find(cp("Výměna:") + vymena), std::string::npos);
        EXPECT_TRUE(nicNeztraceno(s));
    });

    // With a tile on the board, exchanging and stepping back are refused;
    // the tile moves to another square and back to the rack.
    t.slot(1);
    t.pole(12, 12);
    t.tlacitko(kChange);
    t.potom([&] {
        EXPECT_EQ(t.okno().name, "TChybaVymena");
        EXPECT_EQ(t.text("Label2"), cp("Pro provedení této operace nesmíte "));
    });
    t.dialog("Button1");
    t.tlacitko(kBack);
    t.potom([&] { EXPECT_EQ(t.okno().name, "TChybaVymena"); });
    t.dialog("Button1");
    t.potom([&] {
        EXPECT_FALSE(t.s().RezimVymeny);
        EXPECT_EQ(t.s().CisloTahu, tah + 2);
        EXPECT_NE(t.s().Pole[12][12].Novy, 0);
    });
    t.pole(12, 12);
    t.pole(3, 3);
    t.potom([&] {
        EXPECT_EQ(t.s().Pole[12][12].Novy, 0);
        EXPECT_NE(t.s().Pole[3][3].Novy, 0);
    });
    t.pole(3, 3);
    t.slot(1);
    t.potom([&] {
        EXPECT_EQ(novych(t.s()), 0);
        EXPECT_EQ(naStojanu(t.s(), 1), 7);
    });

    // The hint finds a word along a run on the board and lays it.
    Pozice predNapovedou;
    std::string napoveda;
    int pevnychPred = 0;
    t.potom([&] {
        predNapovedou = pozice(t.s());
        pevnychPred = pevnych(t.s());
        t.slovaKRadam();
    });
    t.tlacitko(kTip);
    t.potom([&] {
        EXPECT_EQ(t.okno().name, "TTipForm");
        napoveda = t.text("LaSlovo");
        EXPECT_TRUE(t.veSlovniku(napoveda)) << cp1250ToUtf8(napoveda);
    });
    t.dialog("Poloz");
    t.potom([&] {
        const GameState& s = t.s();
        EXPECT_GT(s.Hraci[1].BodyCelkem, predNapovedou.body[1]);
        EXPECT_GT(pevnych(s), pevnychPred);
        EXPECT_EQ(s.NaTahu, 1);
        EXPECT_EQ(s.PosledniTah, predNapovedou.PosledniTah + 2);
    });

    // Back steps over the computer's move to the person's; forward returns;
    // playing on from the earlier position drops the moves after it.
    Pozice poNapovede;
    t.potom([&] { poNapovede = pozice(t.s()); });
    t.tlacitko(kBack);
    t.potom([&] {
        EXPECT_EQ(t.s().CisloTahu, predNapovedou.PosledniTah);
        EXPECT_EQ(pozice(t.s()).pevne, predNapovedou.pevne);
        EXPECT_EQ(pozice(t.s()).stojany[1], predNapovedou.stojany[1]);
    });
    t.tlacitko(kFF);
    t.potom([&] { EXPECT_EQ(pozice(t.s()), poNapovede); });
    t.tlacitko(kBack);
    t.tlacitko(kNext);
    t.tlacitko(kFF);
    t.potom([&] {
        const GameState& s = t.s();
        EXPECT_EQ(s.PosledniTah, poNapovede.PosledniTah);
        EXPECT_EQ(s.CisloTahu, s.PosledniTah) << "nothing left to step forward to";
        EXPECT_EQ(s.Hraci[1].BodyCelkem, predNapovedou.body[1]) << "the hint's move is gone";
        EXPECT_TRUE(nicNeztraceno(s));
    });

    // Saved into slot 2 through the in-game menu; play resumes.
    Pozice ulozena;
    t.tlacitko(kMenu);
    t.potom([&] {
        EXPECT_EQ(t.okno().name, "TGMenu");
        ulozena = pozice(t.s());
    });
    t.dialog("Save");
    t.potom([&] { EXPECT_EQ(t.menu().MenuObrazovka, kMenuUloz); });
    t.menuTlacitko(18);
    t.menuTlacitko(15);
    t.potom([&] {
        EXPECT_EQ(t.hra().hra().interval(), 1000);
        EXPECT_TRUE(t.hra().hra().casovacZapnut());
        const SavedGame g = parseSavedGame(*readSlotLines(FileRoot(t.dir.path()), 2, false), "2");
        EXPECT_EQ(g.Hraci[1].Jmeno, "Eva");
        EXPECT_EQ(g.PosledniTah, ulozena.PosledniTah);
        EXPECT_EQ(g.NaTahu, ulozena.NaTahu);
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y) EXPECT_EQ(g.Pevny[x][y], ulozena.pevne[x][y]);
        for (int k = 1; k <= kRack; ++k) EXPECT_EQ(g.Zasobnik[1][k], ulozena.stojany[1][k]);
    });

    // Leave the game, play a little of a new one, leave it too, and load slot 2.
    t.klavesa(27);
    t.dialog("Konec");
    t.cekej(100);
    t.potom([&] {
        EXPECT_EQ(t.menu().MenuObrazovka, kMenuHlavni);
        EXPECT_EQ(t.hra().hra().interval(), 0);
    });
    t.menuTlacitko(1);
    t.menuTlacitko(13);
    t.cekej(100);
    t.potom([&] {
        EXPECT_EQ(pevnych(t.s()), 0) << "a new game";
        EXPECT_NE(pozice(t.s()), ulozena);
    });
    t.klavesa(27);
    t.dialog("Konec");
    t.menuTlacitko(2);
    t.menuTlacitko(18);
    t.menuTlacitko(15);
    t.cekej(3000);
    t.potom([&] {
        const GameState& s = t.s();
        EXPECT_EQ(pozice(s), ulozena);
        EXPECT_EQ(s.Hraci[1].Jmeno, "Eva");
        EXPECT_EQ(s.NahranaHra, 0) << "the board has been revealed";
        EXPECT_EQ(t.hra().hra().interval(), 1000);
        for (int x = 1; x <= kBoard; ++x)
            for (int y = 1; y <= kBoard; ++y)
                if (const int k = s.Pole[x][y].Pevny) {
                    const Bod b = polohaNaDesce(x, y);
                    EXPECT_TRUE(t.naObrazovce(t.pismeno(k), b.x, b.y, 16, 12)) << x << "," << y;
                }
    });
    // The loaded game goes on.
    t.tlacitko(kNext);
    t.potom([&] {
        EXPECT_EQ(t.s().PosledniTah, ulozena.PosledniTah + 2);
        EXPECT_TRUE(nicNeztraceno(t.s()));
    });
    t.klavesa(27);
    t.dialog("Konec");
    t.cekej(100);
    t.klavesa(27);
    EXPECT_EQ(t.spust({}), 0);
    EXPECT_TRUE(t.hotovo());
}

}  // namespace
}  // namespace tb::test
