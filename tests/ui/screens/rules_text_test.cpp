#include "ui/screens/rules_text.h"

#include <gtest/gtest.h>

#include "files/text.h"

namespace tb {
namespace {

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
