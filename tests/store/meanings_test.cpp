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
    // Markup stripped from the articles; synonyms where no article explains.
    EXPECT_EQ(findMeaning(root, utf8ToCp1250("abatyšský")), utf8ToCp1250("synonyma: opatský"));
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
