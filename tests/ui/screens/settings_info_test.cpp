#include <gtest/gtest.h>

#include "files/text.h"
#include "menu_fixture.h"
#include "ui/screens/rules_text.h"

namespace tb {
namespace {

using test::MenuStul;

void na(MenuStul& t, int obrazovka) {
    t.pak([&t, obrazovka] { t.menu->MenuObrazovka = t.menu->MenuVolba = obrazovka; }).snimky(2);
}

TEST(Settings, VolumeEffectsAndTheNewGameChoicesPersistInUserDat) {
    MenuStul t;
    t.nast.NastLimit = 90;
    na(t, kMenuNastaveni);
    t.klik(660, 320);  // effects off
    t.klik(469, 250);  // volume 0 at the left end
    t.pak([&] { EXPECT_EQ(t.hlasitost, 0); });
    t.klik(569, 250);
    t.klikRect(33).snimky(2);
    t.spust();
    EXPECT_EQ(t.menu->MenuObrazovka, kMenuHlavni);
    EXPECT_EQ(t.s.ZvukyZap, 0);
    EXPECT_EQ(t.hlasitost, 100);
    // The click of the switch is heard once, before the effects went off.
    EXPECT_EQ(t.zvuky.front(), 1);

    UserSettings znovu;
    GameState s;
    ASSERT_TRUE(LoadUserData(znovu, s, t.ctx.user, 3));
    EXPECT_EQ(znovu.HlasitostHudby, 100);
    EXPECT_EQ(s.ZvukyZap, 0);
    EXPECT_EQ(znovu.NastLimit, 90);
    EXPECT_FALSE(t.menu->SlovnikO().visible) << "the main screen hides the word box";
}

TEST(Settings, WordsAreAddedAndRemovedOnlyWhenTheyCanBeLaid) {
    MenuStul t;
    for (const char* w : {"kolo", "kos", "most"}) t.kurzor->InsertWord(w);
    na(t, kMenuNastaveni);
    const auto napis = [&](const std::string& utf8) {
        t.pak([&t, utf8] {
            t.menu->SlovnikO().text = utf8ToCp1250(utf8);
            t.menu->SlovnikO().onChange(t.menu->SlovnikO());
        });
    };
    napis("KOS");
    t.pak([&] {
        // The list browses from the nearest word.
        ASSERT_FALSE(t.menu->DBListBox1().items.empty());
        EXPECT_EQ(t.menu->DBListBox1().items.front(), "kos");
    });
    // Each press says what happened to the word.
    struct Krok {
        const char* slovo;
        int tlacitko;
        const char* hlaska;
    };
    const Krok kroky[] = {
        {"Kočka", 31, "Slovo přidáno"},         {"kolo", 32, "Slovo odebráno"},
        {"KOS", 31, "Slovo už ve slovníku je"}, {"zzz", 32, "Slovo ve slovníku není"},
        {"ab1", 31, "Není české slovo"},        {"", 31, "Zadejte slovo"},
    };
    for (const Krok& k : kroky) {
        napis(k.slovo);
        t.klikRect(k.tlacitko).pak([&t, k] { EXPECT_EQ(t.menu->Hlaska, k.hlaska) << k.slovo; });
    }
    t.spust();
    auto jiny = t.slovnik.openCursor();  // the word test's view of the store
    EXPECT_TRUE(jiny->Lookup(utf8ToCp1250("kočka")));
    EXPECT_FALSE(jiny->Lookup("kolo"));
    EXPECT_TRUE(jiny->Lookup("kos"));
    EXPECT_FALSE(jiny->Lookup("ab1"));
    EXPECT_FALSE(jiny->Lookup(""));
}

TEST(Settings, OkFromTheGameSavesAndResumesPlay) {
    MenuStul t;
    t.pak([&] { t.menu->ZeHry(kMenuNastaveni); }).snimky(2);
    t.klikRect(33).snimky(1);
    t.spust();
    EXPECT_EQ(t.hra.interval(), 1000);
    EXPECT_TRUE(t.hra.casovacZapnut());
    EXPECT_EQ(t.nast.NastaveniZeHry, 0);
    EXPECT_TRUE(std::filesystem::exists(t.userDir() / "Data" / "User.dat"));
    EXPECT_FALSE(t.menu->DBListBox1().visible);
}

TEST(Info, PagesStayWithinOneToSevenAndReopenOnTheLastShown) {
    MenuStul t;
    na(t, kMenuInfo);
    t.klikRect(34);
    t.pak([&] { EXPECT_EQ(t.menu->StranaInfo, 1); });
    // Next held for many frames turns one page.
    const Rect& dalsi = TMainMenu::Recty()[35];
    t.pohyb(dalsi.x + 5, dalsi.y + 5)
        .stisk(dalsi.x + 5, dalsi.y + 5)
        .snimky(20)
        .pust(dalsi.x + 5, dalsi.y + 5);
    t.pak([&] { EXPECT_EQ(t.menu->StranaInfo, 2); });
    for (int i = 0; i < 8; ++i) t.klikRect(35);
    t.pak([&] { EXPECT_EQ(t.menu->StranaInfo, 7); });
    t.klikRect(34).klikRect(34).klikRect(36).snimky(2);
    t.pak([&] { EXPECT_EQ(t.menu->MenuObrazovka, kMenuHlavni); });
    t.klikRect(5).snimky(2);
    t.spust();
    EXPECT_EQ(t.menu->MenuObrazovka, kMenuInfo);
    EXPECT_EQ(t.menu->StranaInfo, 5);
}

TEST(Info, TheRulesHave81LinesWithTheirSectionsInPlace) {
    const auto& p = InitPravidla();
    for (int i = 1; i <= kRadkuPravidel; ++i) {
        ASSERT_NE(p[i], nullptr) << i;
        const bool prazdny = std::string(p[i]).empty();
        const bool maBytPrazdny = i == 10 || i == 27 || i == 47 || i == 69 || i == 73 || i == 74;
        EXPECT_EQ(prazdny, maBytPrazdny) << i;
    }
    EXPECT_STREQ(p[1], "ZAČÁTEK HRY");
    EXPECT_STREQ(p[11], "PRŮBĚH HRY");
    EXPECT_STREQ(p[28], "POKLÁDÁNÍ KAMENŮ");
    EXPECT_STREQ(p[48], "BODOVÁNÍ");
    EXPECT_STREQ(p[75], "KONEC HRY");
    // The 21 rules in order, each starting its own line.
    int dalsi = 1;
    for (int i = 1; i <= kRadkuPravidel; ++i)
        if (std::string(p[i]).starts_with(std::to_string(dalsi) + ")")) ++dalsi;
    EXPECT_EQ(dalsi, 22);
    // Rule 5 names the buttons the error dialogs have.
    std::string pravidla;
    for (int i = 1; i <= kRadkuPravidel; ++i) pravidla += p[i];
    for (const char* tlacitko : {"„Vrátit slovo“", "„Vrátit“", "„Opravím sám“", "„Přidat“"})
        EXPECT_NE(pravidla.find(tlacitko), std::string::npos) << tlacitko;
    // Every line survives the code page the painter writes in.
    for (int i = 1; i <= kRadkuPravidel; ++i)
        EXPECT_EQ(cp1250ToUtf8(utf8ToCp1250(p[i])), p[i]) << i;
}

}  // namespace
}  // namespace tb
