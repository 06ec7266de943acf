// Whole sessions through the real application, from the intro to the record screens.
#include <sys/stat.h>

#include "engine/saves/game_record_slot.h"
#include "engine/saves/record_part.h"
#include "engine/saves/save_header.h"
#include "engine/saves/saved_game.h"
#include "engine/saves/slot_files.h"
#include "files/file_lines.h"
#include "session_fixture.h"
#include "store/sqlite_word_store.h"
#include "tools/tool/move_input.h"
#include "tools/tool/tool.h"

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
    p.NaTahu = s.NaTahu, p.PosledniTah = s.PosledniTah;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) p.pevne[x][y] = s.Pole[x][y].Pevny;
    for (int h = 1; h <= kSeats; ++h) {
        for (int k = 1; k <= kRack; ++k) p.stojany[h][k] = s.Zasobnik[h][k];
        p.body[h] = s.Hraci[h].BodyCelkem;
    }
    return p;
}

// The window on top, the seat on move, the tiles of the move on the board and on seat 1's rack.
std::tuple<std::string, int, int, int> tah(Sezeni& t) {
    const GameState& s = t.s();
    int novych = 0, naStojanu = 0;
    for (int x = 1; x <= kBoard; ++x)
        for (int y = 1; y <= kBoard; ++y) novych += s.Pole[x][y].Novy != 0;
    for (int k = 1; k <= kRack; ++k) naStojanu += s.Zasobnik[1][k] != 0;
    return {t.okno().name, s.NaTahu, novych, naStojanu};
}

// The viewer: the window on top, browsing, the move shown, the tiles fixed, the clocks running.
std::tuple<std::string, bool, int, int, bool> prohlizec(Sezeni& t) {
    const GameState& s = t.s();
    return {t.okno().name, s.Faze == Phase::Browse, s.CisloTahu, pevnych(s),
            t.app().timer().Enabled()};
}

TEST(Session, APersonMeetsEveryDialogOfAGameAgainstTheComputerThenSavesAndLoadsIt) {
    Sezeni t;

    // The intro plays until Esc; the main menu lights the button under the pointer.
    t.cekej(300, [&] { EXPECT_EQ(t.s().Faze, Phase::Intro) << "the intro is still playing"; });
    t.klavesa(27, [&] { t.events.move(420, 200); });
    t.cekej(100, [&] {
        EXPECT_EQ(std::tuple(t.s().Faze, t.menu().MenuObrazovka),
                  std::tuple(Phase::Menu, kMenuHlavni));
        EXPECT_TRUE(t.naObrazovce(t.obrazky("DXMenu")[2], 412, 130, 100, 20)) << "New is lit";
        EXPECT_TRUE(t.naObrazovce(t.obrazky("DXMenu")[4], 287, 220, 100, 40)) << "Load is not";
    });

    // The setup: the seats wrap, the first gets a name, the computer keeps the second.
    t.menuTlacitko(1);
    // The letters limit (10) and the time limit (11, 12) wrap too.
    std::vector<int> hracu;
    for (int r : {8, 8, 8, 10, 10, 10, 10, 11, 12})
        t.menuTlacitko(r, [&] {
            const UserSettings& n = t.hra().nastaveni();
            hracu.push_back(n.NastHracu * 1000 + n.NastMinPismen * 100 + n.NastLimit / 30);
        });
    // Seat 3 goes person, computer, master (out of play with two seats).
    for (int i = 0; i < 2; ++i) t.menuKlik(551 + 40, 420 + 15);
    t.menuKlik(261 + 50, 380 + 15);
    for (int i = 0; i < 5; ++i) t.klavesa(8);
    t.potom([&] { t.events.type("Eva"); });
    // The clocks read 0:00:00 from the first frame of the deal.
    bool hodiny = false;
    t.potom([&] {
        t.app().afterFlip = [&] {
            if (hodiny || t.s().Faze != Phase::NewGame || t.hra().hra().interval() != 1000) return;
            const Picture& pod = t.hra().screen().painter().DXImageList1()[6];
            hodiny = t.form().CasCelkem->caption == "0:00:00" &&
                     t.psano({936, 695, 60, 17}, pod, 829, 688) &&
                     t.psano({936, 712, 60, 17}, pod, 829, 688);
        };
    });
    t.menuTlacitko(13);
    t.cekej(100, [&] {
        EXPECT_TRUE(hodiny);
        EXPECT_EQ(hracu, (std::vector<int>{3200, 4200, 2200, 2300, 2400, 2500, 2200, 2210, 2200}));
        const GameState& s = t.s();
        EXPECT_NE(t.obsah("Data/User.dat").find("\r\n2\r\nEva;0\r\nPC2;1\r\nMistr3;2\r\n"),
                  std::string::npos)
            << t.obsah("Data/User.dat");
        // The game runs; the computer opened and, knowing no word, passed.
        EXPECT_EQ(std::tuple(t.hra().hra().interval(), s.PocetHracu, s.Hraci[1].Jmeno,
                             s.Hraci[1].JePC, s.Hraci[2].JePC, s.CisloTahu),
                  std::tuple(1000, 2, "Eva", 0, 1, 2));
        EXPECT_EQ(tah(t), std::tuple("GameForm", 1, 0, 7));
    });

    // A lone letter off the centre: the rule error box; taking it back empties the board.
    t.poloz({1}, 1, 1);
    t.tlacitko(kNext, [&] {
        EXPECT_EQ(t.okno().name, "TChyba1Box");
        EXPECT_EQ(t.text("Label2"), cp("Písmeno \"") + t.s().Kameny[t.s().Pole[1][1].Novy].Pismeno +
                                        cp("\" je samotné. Souřadnice jsou:1,1."));
    });
    t.dialog("Button1", [&] { EXPECT_EQ(tah(t), std::tuple("GameForm", 1, 0, 7)); });

    // A word the dictionary lacks: taken back first, then added.
    std::string slovo;
    t.poloz({1, 2, 3}, 8, 8);
    t.tlacitko(kNext, [&] {
        slovo = t.noveSlovo(8, 8);
        EXPECT_EQ(std::tuple(slovo.size(), t.okno().name), std::tuple(3u, "TChybaSlova"));
        EXPECT_EQ(t.texty({"Label1", "Label2"}),
                  cp("Slovo \"") + slovo + cp("\" na souřadnicích: 8,8|není ve slovníku."));
    });
    // Correcting it oneself leaves the tiles where they lie, the move open.
    t.dialog("Button2", [&] {
        EXPECT_EQ(t.noveSlovo(8, 8), slovo);
        EXPECT_EQ(tah(t), std::tuple("GameForm", 1, 3, 4));
    });
    t.tlacitko(kNext, [&] { EXPECT_EQ(t.okno().name, "TChybaSlova"); });
    t.dialog("Button1", [&] {
        EXPECT_EQ(tah(t), std::tuple("GameForm", 1, 0, 7));
        EXPECT_FALSE(t.veSlovniku(slovo));
    });
    t.poloz({1, 2, 3}, 8, 8);
    t.tlacitko(kNext, [&] {
        slovo = t.noveSlovo(8, 8);
        t.slovaKRade(slovo, 2);  // what the computer can answer with
    });
    // The word added; the computer answers through it with its flying tiles.
    t.dialog("Button3", [&] {
        const GameState& s = t.s();
        EXPECT_EQ(std::tuple(t.veSlovniku(slovo), s.Kameny[s.Pole[8][8].Pevny].Pismeno,
                             s.Hraci[1].BodyCelkem > 0, s.Hraci[2].BodyCelkem > 0, pevnych(s) > 3),
                  std::tuple(true, slovo.substr(0, 1), true, true, true));
        EXPECT_EQ(tah(t), std::tuple("GameForm", 1, 0, 7));
        t.deskaUkazana();
        EXPECT_EQ(checkTiles(s), "");
    });

    // A tile dropped on an occupied square stays in the hand; a lit button shows its ON face.
    t.poloz({4}, 8, 8, [&] {
        EXPECT_EQ(std::tuple(t.s().VRuce.drzi(), t.s().Zasobnik[1][4]), std::tuple(true, 0));
    });
    t.slot(4, [&] {
        const Control& tip = *t.form().tlacitka[kTip].OFF;
        t.events.move(tip.left + tip.width - 5, tip.top + tip.height - 5);
    });
    t.potom([&] {
        EXPECT_EQ(std::tuple(t.s().VRuce.drzi(), t.s().Zasobnik[1][4] != 0),
                  std::tuple(false, true));
        const Control& tip = *t.form().tlacitka[kTip].OFF;
        ImageList& tvary = t.hra().screen().painter().DXMenu();
        EXPECT_TRUE(t.naObrazovce(tvary[19], tip.left, tip.top, 10, 8));
        EXPECT_FALSE(t.naObrazovce(tvary[18], tip.left, tip.top, 10, 8));
        EXPECT_EQ(t.form().Display->caption, cp("Nejlepší tah"));
    });

    // Exchange of two tiles: the bag keeps its count, the record the letters.
    int vytazeno = 0, cislo = 0;
    std::string vymena;
    t.potom([&] {
        vytazeno = t.s().Vytazeno, cislo = t.s().CisloTahu;
        for (int k : {1, 2}) vymena += t.s().Kameny[t.s().Zasobnik[1][k]].Pismeno + ",";
    });
    t.tlacitko(kChange);
    t.slot(1);
    t.slot(2);
    t.tlacitko(kTip);  // no hint while tiles are chosen for an exchange
    t.potom([&] {
        const auto& kv = t.form().KVs;
        EXPECT_EQ(std::tuple(t.okno().name, t.s().RezimVymeny, kv[1]->visible, kv[2]->visible,
                             kv[3]->visible),
                  std::tuple("GameForm", true, true, true, false));
    });
    t.tlacitko(kChange, [&] {
        const GameState& s = t.s();
        // The exchange was a move, the computer made one.
        EXPECT_EQ(std::tuple(s.RezimVymeny, s.Vytazeno, s.CisloTahu),
                  std::tuple(false, vytazeno, cislo + 2));
        EXPECT_NE(t.obsah(kMainDat).find(cp("Výměna:") + vymena), std::string::npos);
        EXPECT_EQ(checkTiles(s), "");
    });

    // With a tile (under the refusal's button) on the board, exchange and Back are refused.
    t.poloz({1}, 11, 9);
    t.poloz({2}, 11, 9,
            [&] { EXPECT_TRUE(t.s().VRuce.drzi()) << "a tile of this move lies there"; });
    t.slot(2);
    t.tlacitko(kChange, [&] {
        EXPECT_EQ(t.okno().name, "TChybaVymena");
        EXPECT_EQ(t.texty({"Label2", "Label1"}),
                  cp("Pro provedení této operace nesmíte |mít vyložené žádné písmeno"));
    });
    t.dialog("Button1", [&] {
        EXPECT_FALSE(t.form().tlacitka[kChange].ON->visible) << "lit after it closed";
    });
    t.tlacitko(kBack, [&] { EXPECT_EQ(t.okno().name, "TChybaVymena"); });
    t.dialog("Button1", [&] {
        EXPECT_EQ(std::tuple(t.s().RezimVymeny, t.s().CisloTahu, t.s().Pole[11][9].Novy != 0),
                  std::tuple(false, cislo + 2, true));
    });
    t.pole(11, 9);
    t.pole(3, 3, [&] {
        EXPECT_EQ(std::tuple(t.s().Pole[11][9].Novy != 0, t.s().Pole[3][3].Novy != 0),
                  std::tuple(false, true));
    });
    t.pole(3, 3);
    t.slot(1, [&] { EXPECT_EQ(tah(t), std::tuple("GameForm", 1, 0, 7)); });

    // Saved into slot 2 with a tile on the board and one in the hand: both go back to the rack.
    Pozice ulozena;
    int polozeny = 0, neseny = 0;
    t.poloz({3}, 12, 12);
    t.slot(4, [&] {
        ulozena = pozice(t.s());
        // The hand's tile fills the first empty slot, the board's the next.
        ulozena.stojany[1][3] = neseny = t.s().VRuce.kamen;
        ulozena.stojany[1][4] = polozeny = t.s().Pole[12][12].Novy;
        ulozena.NaTahu = 1;
    });
    t.klavesa(27, [&] { EXPECT_EQ(t.okno().name, "TGMenu"); });
    t.dialog("Save", [&] { EXPECT_EQ(t.menu().MenuObrazovka, kMenuUloz); });
    t.naPozici(2, [&] {
        EXPECT_EQ(pozice(t.s()), ulozena);
        EXPECT_EQ(std::tuple(t.hra().hra().interval(), t.hra().hra().casovacZapnut(),
                             t.s().Pole[12][12].Novy, t.s().VRuce.drzi(), t.form().myska->visible),
                  std::tuple(1000, true, 0, false, false));
        for (auto [k, slot] : {std::pair{neseny, 3}, std::pair{polozeny, 4}}) {
            const Control& c = *t.form().Image[k];
            EXPECT_TRUE(c.visible);
            EXPECT_EQ((Bod{c.left, c.top}), polohaNaStojanu(1, slot)) << "shown on the rack";
            EXPECT_TRUE(t.naObrazovce(t.pismeno(k), c.left, c.top, 16, 12));
        }
    });

    // Leave the game, play a little of a new one, leave it too, and load slot 2.
    t.vMenu("Konec");
    t.cekej(100, [&] {
        EXPECT_EQ(std::tuple(t.menu().MenuObrazovka, t.hra().hra().interval()),
                  std::tuple(int(kMenuHlavni), 0));
    });
    t.novaHra({}, [&] {
        EXPECT_EQ(pevnych(t.s()), 0) << "a new game";
        EXPECT_TRUE(t.tvar(3 * kMenu)) << "not lit by the last one";
        EXPECT_NE(pozice(t.s()), ulozena);
    });
    t.klavesa(27);
    t.dialog("Konec");
    t.menuTlacitko(2);
    t.naPozici(2);
    t.cekej(3000, [&] {
        EXPECT_EQ(pozice(t.s()), ulozena);
        // The board has been revealed.
        EXPECT_EQ(std::tuple(t.s().Hraci[1].Jmeno, t.s().Faze, t.hra().hra().interval()),
                  std::tuple("Eva", Phase::Play, 1000));
        t.deskaUkazana();
    });
    // The loaded game goes on.
    t.tlacitko(kNext, [&] {
        EXPECT_EQ(std::tuple(t.s().PosledniTah, checkTiles(t.s())),
                  std::tuple(ulozena.PosledniTah + 2, std::string()));
    });
    t.odejdi();
    t.hraj({});
}

TEST(Session, AFinishedGameIsBrowsedSavedAsARecordAndViewedFromTheRecordScreen) {
    Sezeni t;

    // Straight into a game against the computer, which knows no word and passes.
    std::string slovo;
    t.potom([&] { EXPECT_EQ(t.s().Hraci[2].JePC, 1); });
    t.poloz({1, 2}, 8, 8);
    t.tlacitko(kNext, [&] { slovo = t.noveSlovo(8, 8); });
    t.dialog("Button3");
    // Once a word lies on the board, two rounds of passes end the game.
    std::array<int, kSeats + 1> skore{};
    int posledni = 0;
    t.tlacitko(kNext, [&] {
        EXPECT_EQ(t.s().PocetVzdani, 2);
        for (int p = 1; p <= 2; ++p) skore[p] = t.s().Hraci[p].BodyCelkem;
    });
    t.tlacitko(kNext, [&] {
        const GameState& s = t.s();
        EXPECT_EQ(t.okno().name, "TKonecForm");
        posledni = s.PosledniTah;
        // The tiles left are charged to their holders.
        for (int p = 1; p <= 2; ++p)
            for (int k = 1; k <= kRack; ++k) skore[p] -= s.Kameny[s.Zasobnik[p][k]].Hodnota;
        EXPECT_EQ(std::tuple(s.Hraci[1].BodyCelkem, s.Hraci[2].BodyCelkem),
                  std::tuple(skore[1], skore[2]));
        ASSERT_NE(skore[1], skore[2]);
        EXPECT_EQ(t.text("Label1"),
                  cp("Jméno vítěze: ") + s.Hraci[skore[1] > skore[2] ? 1 : 2].Jmeno);
        // The record ends with the penalties, the total time and the scores.
        const auto r = splitLines(t.obsah(kMainDat));
        ASSERT_EQ(r.size(), static_cast<size_t>(posledni * 34 + 7));
        EXPECT_EQ(r[posledni * 34].substr(0, 1), std::to_string(s.NaTahu));
        EXPECT_NE(r[posledni * 34].find(cp("Nevyužití všech písmen :   -")), std::string::npos);
        EXPECT_EQ(std::vector(r.end() - 3, r.end()),
                  (std::vector<std::string>{"0:00:" + r[posledni * 34 + 4].substr(5),
                                            std::to_string(skore[1]), std::to_string(skore[2])}));
    });
    // Browsing the finished game: one record per click, the clocks stand.
    t.dialog("Prubeh", [&] { EXPECT_EQ(prohlizec(t), std::tuple("GameForm", true, 1, 0, false)); });
    std::vector<int> kroky;
    for (int i = 0; i < 3; ++i) {
        t.tlacitko(kFF, [&] { kroky.push_back(t.s().CisloTahu); });
    }
    t.tlacitko(kBack, [&] {
        EXPECT_EQ(kroky, (std::vector<int>{2, 3, 4}));
        EXPECT_EQ(prohlizec(t), std::tuple("GameForm", true, 3, int(slovo.size()), false));
    });
    // The move list shows the turns played, then the closing section.
    t.tlacitko(kPrubeh, [&] {
        EXPECT_EQ(t.okno().name, "TZapis");
        const auto& radkySeznamu = t.prvek<ListBox>("Tabule").items;
        ASSERT_FALSE(radkySeznamu.empty());
        EXPECT_NE(radkySeznamu.back().find(cp("Celkový čas hry:")), std::string::npos);
    });
    t.dialog("ZrusPr");

    // Saved into record slot 3 from the in-game menu, back to the viewer.
    t.tlacitko(kMenu, [&] {
        EXPECT_EQ(std::tuple(t.svitiBy("SavePrOFF"), t.svitiBy("SaveOFF")),
                  std::tuple(true, false));
    });
    t.dialog("SavePr", [&] { EXPECT_EQ(t.menu().MenuObrazovka, kMenuUlozPrubeh); });
    t.menuTlacitko(
        16, [&] { EXPECT_FALSE(t.app().timer().Enabled()) << "Storno: back, the clocks stand"; });
    t.vMenu("SavePr");
    // A slot that cannot be written says so in a box; the menu runs on after it.
    const auto slot3 = t.dir.path() / "Save/Prubeh/3.dat";
    t.potom([&] {
        std::filesystem::remove(slot3);
        std::filesystem::create_directories(slot3 / "x");
    });
    t.naPozici(3);
    for (int box : {1, 2})  // "cannot be read, overwrite?", then the failure
        t.potom([&, box] {
            ASSERT_EQ(t.okno().name, "TZprava") << box;
            t.klikni("Button1");
        });
    t.potom([&] {
        EXPECT_EQ(std::tuple(t.menu().MenuObrazovka, t.app().timer().Enabled()),
                  std::tuple(int(kMenuUlozPrubeh), true));
        std::filesystem::remove_all(slot3);
    });
    t.naPozici(3, [&] {
        EXPECT_EQ(NactiSaveData(FileRoot(t.dir.path()), 3, true).HlavCas,
                  t.form().CasCelkem->caption);
        EXPECT_EQ(prohlizec(t), std::tuple("GameForm", true, 3, int(slovo.size()), false));
        EXPECT_TRUE(t.tvar(3 * kMenu)) << "not lit with the pointer elsewhere";
        EXPECT_EQ(parseRecordSlot(*readSlotLines(FileRoot(t.dir.path()), 3, true), "3").zapis,
                  splitLines(t.obsah(kMainDat)));
    });
    // The settings from the viewer return to it: no clock, the board closed to the mouse.
    t.vMenu("Nastaveni", [&] { EXPECT_EQ(t.menu().MenuObrazovka, kMenuNastaveni); });
    t.menuTlacitko(33);
    t.slot(1);
    t.tlacitko(kFF, [&] {
        EXPECT_FALSE(t.s().VRuce.drzi());
        EXPECT_EQ(prohlizec(t), std::tuple("GameForm", true, 4, pevnych(t.s()), false));
    });
    // Leaving the viewer for the menu.
    t.vMenu("KonecPr");
    t.cekej(100, [&] {
        EXPECT_EQ(std::tuple(t.menu().MenuObrazovka, t.s().Faze == Phase::Browse),
                  std::tuple(int(kMenuHlavni), false));
    });
    t.klavesa(27);
    t.hraj({"--new-game"});

    // After a restart the record screen loads it; the music goes on, the clocks stand.
    size_t skladeb = 0;
    t.menuTlacitka({3, 16 + 3});
    t.menuTlacitko(15, {}, true);  // a click quicker than a frame counts too
    t.cekej(200, [&] {
        const GameState& s = t.s();
        EXPECT_EQ(prohlizec(t), std::tuple("GameForm", true, 1, 0, false));
        // No computer moves while viewing.
        EXPECT_EQ(std::tuple(s.PosledniTah, s.Hraci[2].JePC), std::tuple(posledni, 0));
        const Picture& povrch = t.hra().screen().painter().DXImageList1()[0];
        for (int p = 1; p <= 2; ++p) {
            EXPECT_EQ(t.form().Jmeno[p]->caption, s.Hraci[p].Jmeno);
            EXPECT_TRUE(t.psano({853, 85 + 65 * (p - 1), 120, 24}, povrch)) << p;
        }
        skladeb = t.zvuk.only("load").size();
        t.zvuk.finished = true;
    });
    t.cekej(100, [&] {
        EXPECT_GT(t.zvuk.only("load").size(), skladeb);
        t.zvuk.finished = false;
    });
    t.tlacitko(kFF);
    t.tlacitko(kFF, [&] {
        const GameState& s = t.s();
        EXPECT_EQ(std::tuple(s.CisloTahu, checkTiles(s)), std::tuple(3, std::string()));
        EXPECT_EQ(s.Kameny[s.Pole[8][8].Pevny].Pismeno, slovo.substr(0, 1));
        const Bod b = polohaNaDesce(8, 8);
        EXPECT_TRUE(t.naObrazovce(t.pismeno(s.Pole[8][8].Pevny), b.x, b.y, 16, 12));
    });
    t.vMenu("KonecPr");
    t.cekej(100);
    t.klavesa(27);
    t.hraj({"--no-intro"});
}

TEST(Session, SettingsAndTheGameWindowsKeepWhatThePlayerChangedAcrossARestart) {
    Sezeni t;
    t.vestavenySlovnik = true;
    const std::string slovo = cp("kvakvaš");

    // Past the intro the music plays at once.
    t.potom([&] { EXPECT_FALSE(t.zvuk.only("song").empty()); });
    // Settings: a word of the player's own, the volume and the effects.
    t.menuTlacitko(4, [&] { EXPECT_EQ(t.menu().MenuObrazovka, kMenuNastaveni); });
    t.menuKlik(317 + 90, 470 + 15);
    t.potom([&] { t.events.type(slovo); });
    t.menuTlacitko(31);
    // Each press of Add (31) or Remove (32) says what became of the word in the box.
    for (const auto& [slovo_, tlacitko, hlaska] : {std::tuple{"kvakvaš", 32, "Slovo odebráno"},
                                                   {"kvakvaš", 32, "Slovo ve slovníku není"},
                                                   {"kvakvaš", 31, "Slovo přidáno"},
                                                   {"kvakvaš", 31, "Slovo už ve slovníku je"},
                                                   {"ab1", 31, "Není české slovo"},
                                                   {"", 32, "Zadejte slovo"}}) {
        t.potom([&t, w = slovo_] { t.menu().SlovnikO().text = cp(w); });
        t.menuTlacitko(tlacitko,
                       [&t, w = slovo_, h = hlaska] { EXPECT_EQ(t.menu().Hlaska, h) << w; });
    }
    t.menuKlik(469 + 100, 244 + 10);
    t.menuKlik(660, 320);
    t.menuTlacitko(33, [&] {
        EXPECT_EQ(std::tuple(t.menu().MenuObrazovka, t.obsah("Data/User.dat").substr(0, 8)),
                  std::tuple(int(kMenuHlavni), std::string("100\r\n0\r\n")));
    });
    t.klavesa(27);
    t.hraj({"--no-intro"});

    // After a restart the settings are read back, the word known to the word test.
    t.potom([&] {
        EXPECT_EQ(std::tuple(t.hra().nastaveni().HlasitostHudby, t.s().ZvukyZap),
                  std::tuple(100, 0));
    });
    t.novaHra();
    t.tlacitko(kKontrola, [&] {
        EXPECT_EQ(t.okno().name, "TTestSlova");
        t.klikni("ETest");
        t.events.type(slovo);
    });
    t.dialog("Kontrola", [&] {
        EXPECT_EQ(t.text("Vysledek"), cp("Znám"));
        t.events.key(8).key(13);
    });
    t.potom([&] { EXPECT_EQ(t.text("Vysledek"), cp("Neznám")); });
    t.dialog("Cancel");
    // The letters table and the move list open over the game and close.
    t.tlacitko(kPocty, [&] { EXPECT_EQ(t.okno().name, "TPaB"); });
    t.dialog("PZavri");
    t.tlacitko(kPrubeh, [&] { EXPECT_EQ(t.okno().name, "TZapis"); });
    t.dialog("ZrusPr");
    // The word meaning opens over the in-game menu and returns to it.
    t.vMenu("Vyklad", [&] { EXPECT_EQ(t.okno().name, "TVyznam"); });
    t.dialog("Exit", [&] { EXPECT_EQ(t.okno().name, "TGMenu"); });
    t.dialog("Return", [&] {  // the clocks run again
        EXPECT_EQ(std::tuple(t.okno().name, t.app().timer().Enabled()),
                  std::tuple("GameForm", true));
    });
    t.odejdi();
    t.hraj({"--no-intro"});
}

TEST(Session, TheTimeLimitWaitsForTheCarriedTileThenEndsTheMoveWithItsWordTakenBack) {
    Sezeni t;
    t.novaHra({12}, [&] {
        EXPECT_EQ(std::tuple(t.s().SLimitem, t.s().LimitTahu, t.s().NaTahu), std::tuple(1, 30, 1));
    });
    // Past the limit with a tile in the hand: the move cannot end yet.
    t.poloz({1}, 8, 8);
    t.slot(2);
    t.cekej(35000, [&] {
        const Label& odpocet = *t.form().Odpocet;
        EXPECT_EQ(std::tuple(t.okno().name, t.s().VRuce.drzi(), t.s().ZbyvaCasu, odpocet.caption,
                             odpocet.font.color),
                  std::tuple("GameForm", true, 0, "0:00:00", Rgb{255, 0, 0}));
    });
    // Dropped: the next second ends the move; the unknown word cannot be corrected.
    t.pole(9, 8);
    t.cekej(1500, [&] {
        EXPECT_EQ(std::tuple(t.okno().name, t.prvek("Button2OFF").enabled),
                  std::tuple("TChybaSlova", false));
    });
    t.dialog("Button1", [&] {
        const GameState& s = t.s();
        // The computer passed in its turn.
        EXPECT_EQ(std::tuple(tah(t), pevnych(s), s.ZbyvaCasu, t.form().Odpocet->font.color),
                  std::tuple(std::tuple("GameForm", 1, 0, 7), 0, 30, Rgb{255, 255, 255}));
        EXPECT_EQ(checkTiles(s), "");
    });
    t.odejdi();
    t.hraj({"--no-intro"});
}

// Three computer seats answer inside the person's move, and Back steps over them at once.
TEST(Session, ThreeComputerSeatsAnswerInsideThePersonsMoveAndBackStepsOverThem) {
    Sezeni t;
    t.vestavenySlovnik = true;
    // Without a person in play the game is refused, and said why.
    t.menuTlacitka({1, 8, 8, 29, 30, 27, 13});
    t.potom([&] {
        EXPECT_EQ(std::tuple(t.menu().MenuObrazovka, t.menu().Hlaska),
                  std::tuple(int(kMenuNova), std::string("Aspoň jeden hráč musí být člověk")));
    });
    // Seat 1 goes on to the master, and round to a person.
    t.menuTlacitka({27, 27, 13});
    t.cekej(100);
    Pozice predTahem;
    t.potom([&] {
        const GameState& s = t.s();
        // The computers before the person have played.
        EXPECT_EQ(
            std::tuple(s.PocetHracu, s.Hraci[2].JePC, s.Hraci[3].JePC, s.Hraci[4].JePC, s.NaTahu),
            std::tuple(4, 1, 1, 1, 1));
        predTahem = pozice(s);
    });
    t.tlacitko(kTip, [&] {
        EXPECT_TRUE(t.tvar(3 * kTip + 2)) << "pressed, and no pointer painted over it";
    });
    t.dialog("Poloz", [&] {
        const GameState& s = t.s();
        EXPECT_FALSE(t.form().tlacitka[kTip].ON->visible) << "lit after its window closed";
        EXPECT_EQ(std::tuple(s.NaTahu, s.PosledniTah, s.Hraci[1].BodyCelkem > 0, checkTiles(s)),
                  std::tuple(1, predTahem.PosledniTah + 4, true, ""));
    });
    t.tlacitko(kBack, [&] {
        // The last move is kept for stepping forward.
        EXPECT_EQ(t.s().PosledniTah, predTahem.PosledniTah + 4);
        Pozice p = pozice(t.s());
        p.PosledniTah = t.s().CisloTahu;
        EXPECT_EQ(p, predTahem);
    });
    t.tlacitko(
        kFF, [&] { EXPECT_EQ(t.s().CisloTahu, predTahem.PosledniTah + 4) << "forward over them"; });
    t.odejdi();
    t.hraj({"--no-intro"});
}

// The same game through the window and the shell shows the same and writes the same files;
// the shell's clock is told the seconds the window's ran before and after each command.
TEST(Session, TheGameShellPlaysAGameAsTheWindowDoes) {
    Sezeni t;
    t.vestavenySlovnik = true;
    std::string skript = "new P C seed=3\n";
    std::vector<std::string> ukazano;
    int sekund = 1;  // the shell's game clock: the tick of the deal is its first second
    const auto tikni = [&](int do_) {
        if (do_ > sekund) skript += "tick " + std::to_string(do_ - sekund) + "\n";
        sekund = do_;
    };
    const auto ukaz = [&] {
        t.potom([&] {
            tikni(t.s().SekundHry);
            std::ostringstream o;
            tool::ukazHru(o, t.s());
            ukazano.push_back(o.str() + "ok\n");
            skript += "show\n";
        });
    };
    // The window's steps `okno`, and what the shell is told instead; both show the game after.
    const auto akce = [&](std::function<std::string()> prikaz, std::function<void()> okno) {
        auto pred = std::make_shared<std::array<int, 2>>();
        auto co = std::make_shared<std::string>();
        t.potom([&, prikaz, pred, co] {
            *pred = {t.s().CisloTahu, t.s().SekundHry};
            *co = prikaz();
        });
        okno();
        t.potom([&, pred, co] {
            const GameState& s = t.s();
            const bool krok = *co == "back" || *co == "forward";
            int konec = krok ? (*pred)[1] : s.SekundHry;
            if (!krok && s.CisloTahu > (*pred)[0])
                konec = std::stoi(splitLines(
                    t.obsah(kMainDat))[static_cast<size_t>((*pred)[0] * kRadkuZaznamu + 2)]);
            tikni(konec);
            skript += *co + "\n";
            if (krok) sekund = s.SekundHry;
        });
        ukaz();
    };
    const auto pismeno = [&](int slot) {
        return cp1250ToUtf8(t.s().Kameny[t.s().Zasobnik[1][slot]].Pismeno);
    };
    t.novaHra();
    ukaz();
    // A lone letter refused and lifted again.
    akce([&] { return "lay 1,1=" + pismeno(1); }, [&] { t.poloz({1}, 1, 1); });
    akce([] { return "next self"; }, [&] { t.tlacitko(kNext), t.dialog("Button2"); });
    akce([] { return "lift 1,1"; }, [&] { t.pole(1, 1), t.slot(1); });
    // The hint's word, an exchange, a pass, a step back and forward.
    akce([] { return "hint-lay 1"; }, [&] { t.tlacitko(kTip), t.dialog("Poloz"); });
    akce([&] { return "exchange " + pismeno(1) + pismeno(2); },
         [&] { t.tlacitko(kChange), t.slot(1), t.slot(2), t.tlacitko(kChange); });
    akce([] { return "next"; }, [&] { t.tlacitko(kNext); });
    akce([] { return "back"; }, [&] { t.tlacitko(kBack); });
    akce([] { return "forward"; }, [&] { t.tlacitko(kFF); });
    // Saved in the middle of a move.
    akce([&] { return "lay 1,1=" + pismeno(1); }, [&] { t.poloz({1}, 1, 1); });
    akce([] { return "save 1"; }, [&] { t.klavesa(27), t.dialog("Save"), t.naPozici(1); });
    std::string zaznam, ulozena;
    t.potom([&] {
        zaznam = t.obsah(kMainDat);
        ulozena = t.obsah(slotName(1, false));
    });
    t.odejdi();
    t.hraj({"--no-intro"});

    TempDir shell;
    std::istringstream vstup(skript);
    std::ostringstream out, err;
    const auto slovnik = std::filesystem::path(TB_ROOT_DIR) / SqliteWordStore::kShippedName;
    ASSERT_EQ(
        tool::runTool({"--dict", slovnik.string(), "--user-dir", shell.path().string(), "shell"},
                      shell.path() / "tavik-borun-tool", out, err, &vstup),
        0)
        << err.str();
    std::istringstream radky(out.str()), prikazy(skript);
    std::vector<std::string> ukazal;
    for (std::string p; std::getline(prikazy, p);) {
        std::string odpoved;  // up to its "ok" or "error:" line
        for (std::string r; std::getline(radky, r);)
            if (odpoved += r + "\n"; r == "ok" || r.starts_with("error:")) break;
        if (p == "show") ukazal.push_back(odpoved);
    }
    EXPECT_EQ(ukazal, ukazano) << skript << out.str();
    EXPECT_EQ(obsahSouboru(shell.path() / kMainDat), zaznam) << skript;
    EXPECT_NE(ulozena, "");
    EXPECT_EQ(obsahSouboru(shell.path() / slotName(1, false)), ulozena);
}

// The deal: quick animations take a quarter of its time, Esc or a click cut it short,
// closing the window ends the game within half a second with its record whole.
TEST(Session, TheDealIsQuickOrCutShort) {
    const struct {
        bool rychle;
        std::optional<Event> vstup;  // at the 30th frame of the deal
    } pripady[] = {{false, {}},
                   {true, {}},
                   {false, Event{EventKind::KeyPress, 0, 0, 1, 27}},
                   {false, Event{EventKind::MouseDown, 400, 400}},
                   {false, Event{EventKind::Quit}}};
    std::vector<uint32_t> doby;
    for (const auto& p : pripady) {
        Sezeni t;
        t.nastaveni(p.rychle ? "RychleAnimace=1\r\n" : "");
        int snimku = 0;
        uint32_t zacatek = 0, vstup = 0;
        std::optional<uint32_t> konec;
        t.priStartu = [&] {
            t.app().afterFlip = [&] {
                if (++snimku == 1) zacatek = t.clock.now;
                if (snimku == 30 && p.vstup) {
                    EXPECT_EQ(t.s().Rozdano, 0) << "the deal goes on";
                    vstup = t.clock.now;
                    t.events.push(*p.vstup);
                }
                if (konec || t.s().Faze == Phase::NewGame) return;
                konec = t.clock.now;
                t.events.push({EventKind::Quit});
            };
        };
        EXPECT_EQ(t.spust({"--new-game"}), 0);
        const bool zavreno = p.vstup && p.vstup->kind == EventKind::Quit;
        ASSERT_TRUE(konec || zavreno);
        doby.push_back((zavreno ? t.clock.now : *konec) - (p.vstup ? vstup : zacatek));
        EXPECT_EQ(splitLines(t.obsah("Data/main.dat")).size() % kRecordLines, 0u);
    }
    EXPECT_GT(doby[0], 6000u) << "14 tiles of about half a second";
    EXPECT_LE(doby[1] * 4, doby[0]);
    EXPECT_LT(std::max(doby[2], doby[3]), 100u);
    EXPECT_LT(doby[4], 500u);
}

// With the computer's rack hidden no frame shows the face of one of its tiles.
TEST(Session, TheHiddenRackOfTheComputerNeverShowsAFace) {
    Sezeni t;
    t.vestavenySlovnik = true;
    t.nastaveni("SkrytPC=1\r\n");
    int kontrol = 0;
    bool konec = false;
    t.priStartu = [&] {
        t.app().afterFlip = [&] {
            for (int slot = 1; slot <= kRack; ++slot)
                if (const int k = t.s().Zasobnik[2][slot]; k && t.form().Image[k]->visible) {
                    const Bod b = polohaNaStojanu(2, slot);
                    EXPECT_TRUE(t.psano({b.x, b.y, 32, 32}, t.pismeno(k), b.x, b.y)) << slot;
                    ++kontrol;
                }
        };
    };
    // The person passes, so that the computer moves (if it has not begun).
    t.tlacitko(kNext);
    t.cekej(100, [&] {
        konec = t.s().PosledniTah >= 3;
        t.events.push({EventKind::Quit});
    });
    EXPECT_EQ(t.spust({"--new-game"}), 0);
    EXPECT_TRUE(konec);
    EXPECT_GT(kontrol, 100);
}

// What keeps the game from starting is said in a box; an unreadable settings file is kept.
TEST(Session, AGameThatCannotStartOrReadItsSettingsSaysSoInABox) {
    {
        Sezeni t;
        const UserDirLock prvni(t.dir.path());
        EXPECT_EQ(t.spust({}), 1);
        ASSERT_EQ(t.zpravy.size(), 1u);
        EXPECT_NE(t.zpravy[0].find("už běží se složkou"), std::string::npos) << t.zpravy[0];
        EXPECT_FALSE(std::filesystem::exists(t.soubor("Data/User.dat")));
    }
    {
        Sezeni t;
        TempDir prazdna;
        EXPECT_EQ(t.spust({"--root", prazdna.path().string()}), 1);
        ASSERT_EQ(t.zpravy.size(), 1u);
        EXPECT_NE(t.zpravy[0].find("manifest"), std::string::npos) << t.zpravy[0];
    }
    Sezeni t;
    std::filesystem::create_directories(t.soubor("Data"));
    std::filesystem::create_directories(t.soubor("Save"));
    std::ofstream(t.soubor("Data/User.dat")) << "hlasitost\r\n";
    // A saved game that is a pipe shows as unreadable, and does not hang the load screen.
    ASSERT_EQ(mkfifo(t.soubor("Save/1.dat").c_str(), 0600), 0);
    t.potom([&] {
        EXPECT_NE(t.text("Radek").find(cp("Nastavení nelze přečíst")), std::string::npos);
        t.klikni("Button1");
    });
    t.klavesa(27);
    t.cekej(100);
    t.menuTlacitko(2, [&] { EXPECT_TRUE(t.menu().hlavicka().Necitelna); });
    t.klavesa(27);
    t.cekej(100);
    t.klavesa(27);
    EXPECT_EQ(t.spust({}), 0);
    EXPECT_TRUE(t.zpravy.empty());
    EXPECT_EQ(t.obsah("Data/User.dat.poskozeny"), "hlasitost\r\n");
}

}  // namespace
}  // namespace tb::test
