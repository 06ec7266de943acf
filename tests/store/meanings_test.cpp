#include "store/meanings.h"

#include <gtest/gtest.h>

#include <string>

#include "files/text.h"
#include "support/temp_dir.h"
#include "tools/dictbuild/meanings_builder.h"

namespace tb {
namespace {

TEST(Meanings, FirstCommaSplitsAndTheLastLineWins) {
    const std::string file = utf8ToCp1250(
        "pes,zvíře\r\n"
        "kos,pták, černý, zpívá\r\n"
        "pes,člověkův přítel\r\n"
        "bez\r\n"
        "Tak,velké\r\n"
        "tak,malé");  // the last line has no line end
    struct Case {
        std::string word;
        std::optional<std::string> meaning;
    } cases[] = {
        {"kos", "pták, černý, zpívá"},
        {"pes", "člověkův přítel"},
        {"bez", ""},
        {"tak", "malé"},
        {"Tak", "velké"},
        {"ta", std::nullopt},
        {"pes,", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto meaning = findMeaning(file, utf8ToCp1250(c.word));
        ASSERT_EQ(meaning.has_value(), c.meaning.has_value()) << c.word;
        if (meaning) {
            EXPECT_EQ(cp1250ToUtf8(*meaning), *c.meaning) << c.word;
        }
    }
}

TEST(MeaningsBuilder, ArticlesLoseTheirMarkup) {
    using dictbuild::plainText;
    struct Case {
        const char* markup;
        const char* plain;
    } cases[] = {
        {"\n    <b>nápis, nadpis, heslo</b>\n", "nápis, nadpis, heslo"},
        {"\n  [<i>a kapela</i>]\n\n<b>vokální skladba</b>\n", "[a kapela] vokální skladba"},
        {"A &amp; B &lt;x&gt; &quot;c&quot; &bogus; &", "A & B <x> \"c\" &bogus; &"},
        {"jedna<br>dvě<br/>tři", "jedna dvě tři"},
        {"  \t ", ""},
        {"<b>neukončená", "neukončená"},
    };
    for (const auto& c : cases) EXPECT_EQ(plainText(c.markup), c.plain) << c.markup;
}

TEST(MeaningsBuilder, SynonymsExplainGameWordsTheArticlesDoNot) {
    const auto thesaurus = dictbuild::parseThesaurus(
        "UTF-8\n"
        "dům|2\n"
        "(podst. jm.)|budova|stavení|dům\n"
        "|stavení|domov\n"
        "absence|1\n"
        "|nepřítomnost\n"
        "Praha|1\n"
        "|město\n"
        "kůň|1\n"
        "|a|b|c|d|e|f|g|h\n"
        "ψ|1\n"
        "|psí\n"
        "les|1\n"
        "|α\n");
    ASSERT_EQ(thesaurus.size(), 6u);
    EXPECT_EQ(thesaurus[0].synonyms, (std::vector<std::string>{"budova", "stavení", "domov"}));
    const std::vector<dictbuild::StardictEntry> articles = {{"absence", "nepřítomnost osoby"}};
    EXPECT_EQ(cp1250ToUtf8(dictbuild::buildMeanings(articles, thesaurus)),
              "absence,nepřítomnost osoby\r\n"
              "dům,synonyma: budova, stavení, domov\r\n"
              "kůň,synonyma: a, b, c, d, e, f\r\n");
    EXPECT_THROW(dictbuild::parseThesaurus("UTF-8\npes\n"), std::runtime_error);
}

TEST(MeaningsBuilder, StardictIndexMustFitTheArticles) {
    const std::string articles = "první článekdruhý";
    const std::string idx =
        std::string("alfa\0\0\0\0\0\0\0\0\x0F", 13) + std::string("beta\0\0\0\0\x0F\0\0\0\x06", 13);
    const auto entries = dictbuild::parseStardict(idx, articles, "x.idx");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].headword, "beta");
    EXPECT_EQ(entries[1].article, "druhý");
    EXPECT_THROW(dictbuild::parseStardict(idx.substr(0, 20), articles, "x.idx"), FileError);
    EXPECT_THROW(dictbuild::parseStardict(idx, articles.substr(0, 10), "x.idx"), FileError);
}

TEST(MeaningsBuilder, ShippedFileExplainsForeignWords) {
    const FileRoot root(TB_ROOT_DIR);
    const auto konzervace = findMeaning(root, "konzervace");
    ASSERT_TRUE(konzervace.has_value());
    EXPECT_EQ(findMeaning(root, "konservace"), konzervace);
    EXPECT_EQ(findMeaning(root, "absence"),
              utf8ToCp1250("nepřítomnost osoby, vlastnosti, jevu nebo entity; náhlá krátká "
                           "ztráta vědomí nebo paměti"));
    // Typed words are lowered in A..Z before they are matched.
    const std::string file = readFile(root.resolve(kMeaningsFile));
    size_t lines = 0;
    for (size_t at = 0; at < file.size(); at = file.find('\n', at) + 1, ++lines) {
        ASSERT_EQ(file.substr(file.find('\n', at) - 1, 1), "\r") << "line " << lines + 1;
        const std::string word = file.substr(at, file.find(',', at) - at);
        ASSERT_EQ(word.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << word;
    }
    EXPECT_GT(lines, 18000u);
}

}  // namespace
}  // namespace tb
