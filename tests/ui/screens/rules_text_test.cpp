#include "ui/screens/rules_text.h"

#include <gtest/gtest.h>

#include "files/text.h"

namespace tb {
namespace {

TEST(Info, TheRulesHaveTheirSectionsInPlaceAreNumberedInOrderAndNameTheRealButtons) {
    const auto& p = InitPravidla();
    std::string pravidla;
    int dalsi = 1;
    for (int i = 1; i <= kRadkuPravidel; ++i) {
        ASSERT_NE(p[i], nullptr) << i;
        // Every line survives the code page the painter writes in.
        EXPECT_EQ(cp1250ToUtf8(utf8ToCp1250(p[i])), p[i]) << i;
        if (std::string(p[i]).starts_with(std::to_string(dalsi) + ")")) ++dalsi;
        pravidla += p[i];
        const bool mezera = i == 10 || i == 27 || i == 47 || i == 69 || i == 73 || i == 74;
        EXPECT_EQ(std::string(p[i]).empty(), mezera) << i;
    }
    EXPECT_EQ((std::vector<std::string>{p[1], p[11], p[28], p[48], p[75]}),
              (std::vector<std::string>{"ZAČÁTEK HRY", "PRŮBĚH HRY", "POKLÁDÁNÍ KAMENŮ", "BODOVÁNÍ",
                                        "KONEC HRY"}));
    EXPECT_EQ(dalsi, 22) << "the 21 rules in order, each starting its own line";
    for (const char* tlacitko : {"„Vrátit slovo“", "„Vrátit“", "„Opravím sám“", "„Přidat“"})
        EXPECT_NE(pravidla.find(tlacitko), std::string::npos) << tlacitko;
}

}  // namespace
}  // namespace tb
