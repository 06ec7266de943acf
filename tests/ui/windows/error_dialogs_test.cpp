#include <gtest/gtest.h>

#include "engine/game/error_texts.h"
#include "ui/windows/rule_error_dialog.h"
#include "window_fixture.h"

namespace tb {
namespace {

using test::cp;

TEST(ErrorTexts, RuleErrorsFillTheirLabelsWordForWord) {
    struct Case {
        ChybaPravidla c;
        std::array<const char*, 4> texty;
    };
    const Case cases[] = {
        {{0, 1, 2, 4, 9, 1, "k"}, {"", "", "Písmeno \"k\" je samotné. Souřadnice jsou:9,4.", ""}},
        // Two letters against a minimum of five: "písmena" for the count,
        // "písmen" for the limit.
        {{0, 1, 5, 8, 7, 2, "ne"},
         {"", "Slovo \"ne\" na souřadnicích:7,8 je moc krátké.", "Obsahuje pouze: 2 písmena.",
          "A vy máte nastaven limit na: 5 písmen."}},
        {{0, 1, 3, 8, 3, 2, "kolo"},
         {"", "Slovo \"kolo\" na souřadnicích:3,8 je moc krátké.", "Obsahuje pouze: 4 písmena.",
          "A vy máte nastaven limit na: 3 písmena."}},
        {{0, 1, 7, 8, 3, 2, "pivovary"},
         {"", "Slovo \"pivovary\" na souřadnicích:3,8 je moc krátké.", "Obsahuje pouze: 8 písmen.",
          "A vy máte nastaven limit na: 7 písmen."}},
        // No full stop after the position of a word that does not connect.
        {{0, 0, 2, 2, 12, 3, "lev"},
         {"", "", "Slovo \"lev\" nenavazuje. Je na souřadnicích:12,2", ""}},
        {{0, 1, 2, 5, 2, 4, "pes"},
         {"", "Slovo \"pes\" neprochází středem (Souřadnice 8,8).", "Nyní je na souřadnicích: 2,5.",
          ""}},
    };
    for (const Case& k : cases) {
        const auto t = textyChybyPravidla(k.c);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(cp1250ToUtf8(t[i]), k.texty[i]) << "error " << k.c.kod << " label " << i;
    }
    // A word with letters beyond ASCII stays one byte a letter.
    EXPECT_EQ(textyChybyPravidla({0, 1, 5, 8, 7, 2, cp("šť")})[2],
              cp("Obsahuje pouze: 2 písmena."));
}

TEST(ErrorDialogs, RuleErrorLinesFitTheirBoxAndPutOutTheLitButton) {
    test::WindowsFixture f;
    f.hraciPlocha();
    f.potom([&] {
        for (const char* l : {"Label1", "Label2", "Label3"}) {
            auto& label = f.prvek<Label>(l);
            EXPECT_LE(f.app.text().textWidth(label.font, label.caption), 282) << l;
        }
        f.najed("Button2OFF");
        f.najed("Label2");  // the pointer off the button onto a line puts it out
    });
    f.potom([&] {
        EXPECT_FALSE(f.svitiBy("Button2ON"));
        f.najed("Button2OFF");
        f.klikni("Button2ON");
    });
    EXPECT_EQ(showRuleErrorBox(f.ctx, {0, 1, 7, 15, 15, 2, cp("přítelíček")}),
              DialogVolba::OpravimSam);
    EXPECT_EQ(f.zvuky, std::vector<int>{1});
}

}  // namespace
}  // namespace tb
