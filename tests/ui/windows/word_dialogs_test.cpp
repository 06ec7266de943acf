#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"
#include "ui/windows/meaning_dialog.h"
#include "ui/windows/word_test_dialog.h"
#include "window_fixture.h"

namespace tb {
namespace {

using test::cp;

TEST(WordTest, AnswersForKnownAndUnknownWordsAndIgnoresAnEmptyBox) {
    test::WindowsFixture f;
    f.hraciPlocha();
    f.potom([&] {
        // An empty box: the check does not light, Enter does nothing.
        f.najed("KontrolaOFF");
        f.events.key('\r');
    });
    f.potom([&] {
        EXPECT_EQ(std::tuple(f.svitiBy("KontrolaON"), f.text("Vysledek"), f.zvuky.size()),
                  std::tuple(false, "", 0u));
        // Capitals A..Z are lowered before the look-up.
        f.events.type("PeS").key('\r');
    });
    f.potom([&] {
        EXPECT_EQ(f.text("Vysledek"), cp("Znám"));
        f.events.key(8).key(8).key(8).type("kolobezkam");
        f.najed("KontrolaOFF");
    });
    f.potom([&] {
        EXPECT_EQ(f.prvek<Edit>("ETest").text, "kolobezka") << "at most 9 letters";
        EXPECT_TRUE(f.svitiBy("KontrolaON"));
        // Held: the pressed face instead of the lit one; a click answers.
        f.events.down(357 + f.prvek("KontrolaON").left + 5, 334 + f.prvek("KontrolaON").top + 5);
    });
    f.potom([&] {
        EXPECT_EQ(std::tuple(f.svitiBy("KontrolaDown"), f.svitiBy("KontrolaON")),
                  std::tuple(true, false));
        f.events.up(357 + f.prvek("KontrolaON").left + 5, 334 + f.prvek("KontrolaON").top + 5);
    });
    f.potom([&] {
        EXPECT_EQ(std::tuple(f.svitiBy("KontrolaDown"), f.text("Vysledek")),
                  std::tuple(false, cp("Neznám")));
        f.zmackni("Cancel");
    });
    showWordTestDialog(f.ctx);
    EXPECT_EQ(f.zvuky, (std::vector<int>{1, 1, 1}));
}

// An installation whose meaning file the test writes; the pictures are the build's.
struct MeaningFixture : test::WindowsFixture {
    explicit MeaningFixture(const std::string& utf8Lines) {
        std::filesystem::create_directories(dir.path() / "data");
        std::ofstream(dir.path() / "data" / "information.dat", std::ios::binary)
            << utf8ToCp1250(utf8Lines);
    }
    test::TempDir dir;
    FileRoot install{dir.path()};
    UiContext meaningCtx{
        app, images, s, *kurzor, install, root, [this](int n) { zvuky.push_back(n); }};
};

TEST(WordMeaning, ExplainsAWordOrSaysWhetherItExistsAtAll) {
    std::string dlouhy = "pes,";
    for (int i = 0; i < 40; ++i) dlouhy += "velmi dlouhé vysvětlení ";
    MeaningFixture f(dlouhy + "\r\nkolo,stará věc\r\nkolo,kruhový předmět\r\nahoj\r\n");
    const std::string vychozi = cp("Význam slova");
    struct Case {
        const char* napsano;
        const char* odpoved;
    };
    const Case cases[] = {
        {"KOLO", "kruhový předmět"},  // the last line of a word wins
        {"ahoj", ""},                 // a line without a comma
        {"auto", "Bohužel význam slova není zatím vytvořen."},
        {"xyz", "Hledané slovo neexistuje."},
        {"Šelma", "Hledané slovo neexistuje."},  // capitals with accents are not lowered
    };
    f.potom([&] {
        EXPECT_EQ(f.text("Label1"), vychozi);
        f.events.key('\r');  // empty: nothing
    });
    f.potom([&] { EXPECT_TRUE(f.zvuky.empty()); });
    for (const Case& k : cases) {
        f.potom([&] { f.events.type(cp(k.napsano)), f.zmackni("OK"); });
        f.potom([&] {
            EXPECT_EQ(cp1250ToUtf8(f.text("Label1")), k.odpoved) << k.napsano;
            // Editing the word brings the heading back.
            for (size_t i = 0; i < cp(k.napsano).size(); ++i) f.events.key(8);
        });
        f.potom([&] { EXPECT_EQ(f.text("Label1"), vychozi); });
    }
    // A long meaning stays inside the answer box of the picture, 84..138.
    f.potom([&] { f.events.type("pes").key('\r'); });
    f.potom([&] {
        auto& l = f.prvek<Label>("Label1");
        const auto lines = l.lines(f.app.text());
        EXPECT_GE(l.top, 84);
        EXPECT_LE(l.top + static_cast<int>(lines.size()) * f.app.text().textHeight(l.font), 138);
        for (const auto& line : lines) EXPECT_LE(f.app.text().textWidth(l.font, line), l.width);
        EXPECT_EQ(l.caption.back(), '\x85');
        f.klikni("ExitOFF");
    });
    f.hraciPlocha();
    showMeaningDialog(f.meaningCtx);
    EXPECT_EQ(f.zvuky, std::vector<int>(std::size(cases) + 2, 1));
}

// Without the meanings file the player hears so once, not that each word has no meaning.
TEST(WordMeaning, AMissingMeaningsFileIsSaidOnce) {
    MeaningFixture f("");
    std::filesystem::remove(f.dir.path() / "data" / "information.dat");
    for (const char* odpoved : {"Významy slov chybí: nelze přečíst soubor data/information.dat.",
                                "Bohužel význam slova není zatím vytvořen."}) {
        f.potom([&] { f.events.type("auto").key('\r'); });
        f.potom([&, odpoved] {
            EXPECT_EQ(cp1250ToUtf8(f.text("Label1")), odpoved);
            f.events.type("\b\b\b\b");
        });
    }
    f.potom([&] { f.klikni("ExitOFF"); });
    showMeaningDialog(f.meaningCtx);
}

}  // namespace
}  // namespace tb
