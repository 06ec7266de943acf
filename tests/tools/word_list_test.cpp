#include <gtest/gtest.h>

#include <algorithm>
#include <hunspell.hxx>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "store/sqlite_db.h"
#include "tools/dictbuild/word_filter.h"
#include "tools/dictbuild/word_list_builder.h"

namespace tb::dictbuild {
namespace {

bool holds(const std::vector<std::string>& words, const std::string& w) {
    return std::binary_search(words.begin(), words.end(), w);
}

// A small dictionary in the manner of the Czech one.
constexpr const char* kAff = R"(SET UTF-8
FORBIDDENWORD q

PFX N Y 1
PFX N   0     ne     .

PFX E Y 1
PFX E   0     nej    .

SFX T Y 3
SFX T   at    ej     [^ž]at # the condition is a class of UTF-8 letters
SFX T   at    ejte   [^ž]at
SFX T   žat   žte    žat

SFX P Y 1
SFX P   0     ův/Y   [^aeo]

SFX Y Y 2
SFX Y   ův    ova    ův
SFX Y   ův    ovo    ův

SFX y Y 1
SFX y   ý     ější/E ý
)";

constexpr const char* kDic = R"(9
dělat/TN
snažat/T
otec/P
nový/yN
Praha
kg
vlk
dělejte/q
x/N
)";

TEST(WordListBuilder, ExpandsEveryKindOfFormOfAHandMadeDictionary) {
    const auto words = buildWordList(kAff, kDic);
    for (const char* w :
         {"dělat", "dělej", "nedělat", "nedělej", "nedělejte", "snažat", "snažte", "otec", "otecův",
          "otecova", "otecovo", "nový", "nenový", "novější", "nejnovější", "vlk"})
        EXPECT_TRUE(holds(words, w)) << w;
    for (const char* w : {"dělejte",   // forbidden, though the rules make it
                          "snažej",    // the class [^ž] keeps it out
                          "snažejte",  // likewise
                          "nesnažte",  // no N on this entry
                          "nejnový",   // the prefix comes only with the suffix
                          "otcova", "nejdělat", "Praha", "praha", "kg", "x", "nex", "ne"})
        EXPECT_FALSE(holds(words, w)) << w;
    EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
    EXPECT_EQ(std::adjacent_find(words.begin(), words.end()), words.end());
}

TEST(WordListBuilder, KeepsOnlyWordsOfTheTileSet) {
    // "ha", "mil": symbols but words too; "yd", "oz", "ly": unit symbols; 16 letters do not fit.
    for (const char* w :
         {"pes", "čtvrť", "vlk", "prst", "čtvrt", "krk", "ha", "mil", "ne", "nejpodivnějšími"})
        EXPECT_TRUE(isGameWord(w)) << w;
    std::istringstream refused(
        "žž kg cm lb rt sr yd oz ly kcal a ó Pes ÚL quiz wow xenon müller ľad "
        "pes- abcdefghijklmnop");
    for (std::string w; refused >> w;) EXPECT_FALSE(isGameWord(w)) << w;
    EXPECT_FALSE(isGameWord(""));
}

// Hunspell itself accepts a sample of the built list, which holds common forms of every kind.
TEST(ShippedWordList, HunspellAcceptsASampleAndCommonFormsAreIn) {
    SqliteDb db(std::string(TB_ROOT_DIR) + "/Slovnik_cz.db", SqliteDb::Mode::ReadOnly);
    auto rows = db.prepare("SELECT Cesky FROM Slovnik");
    std::vector<std::string> sorted;  // the table is in byte order
    while (rows.step()) sorted.emplace_back(rows.column(0));
    Hunspell hunspell("/usr/share/hunspell/cs_CZ.aff", "/usr/share/hunspell/cs_CZ.dic");
    ASSERT_GT(sorted.size(), 2'000'000u);
    std::mt19937 random(20260);
    std::uniform_int_distribution<size_t> pick(0, sorted.size() - 1);
    std::vector<std::string> refused;
    for (int i = 0; i < 30000; ++i)
        if (const std::string& w = sorted[pick(random)]; !hunspell.spell(w)) refused.push_back(w);
    EXPECT_TRUE(refused.empty()) << refused.size() << " refused, first: " << refused.front();
    for (const char* w :
         {"věřte",   "drž",   "snažte",       "pojďme",       "otcův", "matčin", "matčina",
          "nevěřte", "nejde", "nejkrásnější", "nejnovějšího", "vlk",   "čtvrt",  "prst",
          "ženy",    "kůň",   "koně",         "dělali",       "být",   "chtěl"})
        EXPECT_TRUE(holds(sorted, w)) << w;
    for (const char* w : {"ženušk", "běžej", "kg", "cm", "praha", "a", "Praha", "taxi", "idee"})
        EXPECT_FALSE(holds(sorted, w)) << w;
}

}  // namespace
}  // namespace tb::dictbuild
