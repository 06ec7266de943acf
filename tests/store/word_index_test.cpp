#include "store/word_index.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <fstream>
#include <future>
#include <set>
#include <string>
#include <vector>

#include "engine/ai/word_graph.h"
#include "engine/game/letter_codes.h"
#include "engine/game/word_store.h"
#include "files/text.h"
#include "store/indexed_word_store.h"
#include "store/sqlite_db.h"
#include "store/sqlite_word_store.h"
#include "store/word_list_file.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

// A sealed word index of the given UTF-8 words, as the loading leaves it.
WordIndex indexOf(const std::vector<std::string>& utf8Words) {
    WordIndex index;
    for (const auto& w : utf8Words) index.appendUtf8(w);
    index.seal();
    return index;
}

std::vector<std::string> allWords(const WordIndex& index) {
    std::vector<std::string> out;
    for (size_t i = 0; i < index.size(); ++i) out.push_back(cp1250ToUtf8(index.wordAt(i)));
    return out;
}

// Records no tile could lay are skipped.
TEST(WordIndex, KeepsCzechAlphabeticalOrderWithoutDuplicates) {
    const auto index = indexOf({"žába",  "cena",  "čáp", "áčko",  "ahoj", "zima", "čáp",
                                "chata", "hrad",  "ďas", "dům",   "ůl",   "úl",   "ul",
                                "tma",   "ťukat", "zz",  "Praha", "quiz", "x",    "k-k"});
    EXPECT_EQ(allWords(index), (std::vector<std::string>{"ahoj", "áčko", "cena", "chata", "čáp",
                                                         "dům", "ďas", "hrad", "tma", "ťukat", "ul",
                                                         "ůl", "úl", "zima", "zz", "žába"}));
}

TEST(WordIndex, ContainsOnlyExactWordsOfTheLetters) {
    const auto index = indexOf({"pes", "pesa", "ž"});
    for (const char* w : {"pes", "pesa", "\x9E"}) EXPECT_TRUE(index.contains(w)) << w;
    // Ž (\x8E) is not lowered.
    for (const std::string& w : std::vector<std::string>{
             "pe", "pesy", "", "-", "pe-", "PES", "\x8E", {"pes\0", 4}, std::string(300, 'a')})
        EXPECT_FALSE(index.contains(w)) << w;
}

TEST(WordIndex, LowerBoundFindsFirstWordNotBeforeTypedText) {
    const auto index = indexOf({"ahoj", "čáp", "cena", "pes", "žába"});
    struct Case {
        std::string typed;
        size_t pos;
    } cases[] = {
        {"", 0},          {"a", 0}, {"ahoj", 0}, {"ahoja", 1}, {"c", 1},    {"\xE8", 2},
        {"\xE8\xE1p", 2}, {"d", 3}, {"pes", 3},  {"z", 4},     {"\x9E", 4}, {"\x9E\x9E", 5},
        {"A", 0},         {"1", 0}, {"p-", 3},   {"\xC1", 5},  // Á sorts after every letter
    };
    for (const auto& c : cases) EXPECT_EQ(index.lowerBound(c.typed), c.pos) << c.typed;
}

// Distinct words of plain letters, which keep byte order.
std::vector<std::string> numberedWords(int from, int to) {
    std::vector<std::string> words;
    for (int i = from; i < to; ++i) {
        static const char kLetters[] = "abcdefghijklmnoprstu";
        std::string w;
        for (int n = i; n > 0 || w.empty(); n /= 20) w += kLetters[n % 20];
        words.push_back(w);
    }
    return words;
}

TEST(WordIndex, InsertAndEraseKeepTheOrder) {
    WordIndex index = indexOf({});
    // Enough words to make the table grow several times, then erase half.
    const std::vector<std::string> words = numberedWords(0, 5000);
    for (const auto& w : words) EXPECT_TRUE(index.insert(w));
    EXPECT_FALSE(index.insert(words[17]));
    for (size_t i = 0; i < words.size(); i += 2) EXPECT_TRUE(index.erase(words[i]));
    EXPECT_FALSE(index.erase(words[0]));
    for (size_t i = 0; i < words.size(); ++i) EXPECT_EQ(index.contains(words[i]), i % 2 == 1);
    EXPECT_EQ(index.size(), words.size() / 2);
    for (size_t i = 1; i < index.size(); ++i)
        EXPECT_LT(index.wordAt(i - 1), index.wordAt(i));  // these letters keep byte order
    EXPECT_TRUE(index.insert(words[0]));                  // an erased word comes back
}

// The player's changes stand in their places among the graph's words.
TEST(WordIndex, TheGraphsWordsAndThePlayersChangesKeepOneOrder) {
    const auto words = numberedWords(0, 3000);
    WordIndex index = indexOf(words);
    std::set<std::string> model(words.begin(), words.end());
    for (size_t i = 0; i < words.size(); i += 3) {
        ASSERT_TRUE(index.erase(words[i]));
        model.erase(words[i]);
    }
    for (const auto& w : numberedWords(2900, 3300)) {  // some erased, some new
        ASSERT_EQ(index.insert(w + "v"), model.insert(w + "v").second);
        ASSERT_EQ(index.insert(w), model.insert(w).second);
    }
    const std::string added = numberedWords(3000, 3001)[0] + "v";
    ASSERT_TRUE(index.erase(added));
    model.erase(added);
    ASSERT_EQ(index.size(), model.size());
    size_t pos = 0;
    for (const auto& w : model) {
        ASSERT_EQ(index.wordAt(pos), w) << pos;
        ASSERT_EQ(index.lowerBound(w), pos++) << w;
        ASSERT_TRUE(index.contains(w)) << w;
    }
    for (size_t i = 0; i < words.size(); i += 3)
        EXPECT_EQ(index.contains(words[i]), model.contains(words[i])) << words[i];
    EXPECT_EQ(index.lowerBound("zz"), model.size());
}

// A damaged graph file whose edges go round in a circle.
TEST(WordIndex, RefusesAGraphThatGoesRoundInACircle) {
    std::string bytes = buildWordGraph({"\x01\x02"});  // "ab"
    // The last edge, from "a" on "b", leads back to "a".
    uint32_t a = 0;
    std::memcpy(&a, bytes.data() + bytes.size() - 4, 4);
    std::memcpy(bytes.data() + bytes.size() - 8, &a, 4);
    EXPECT_THROW(WordIndex(std::make_shared<const WordGraph>(bytes, "test")), FileError);
}

TEST(WordIndex, RefusesWordsNoMoveCouldUse) {
    WordIndex index;
    for (const std::string& bad :
         std::vector<std::string>{"", "-", "Pes", "qua", "pes ", std::string(16, 'a')})
        EXPECT_THROW(index.insert(bad), BadWordError) << bad;
    EXPECT_EQ(index.size(), 0u);
    // The longest word that fits the board, of the last letter.
    const std::string longest(15, '\x9E');
    EXPECT_TRUE(index.insert(longest));
    EXPECT_EQ(std::tuple(index.contains(longest), index.wordAt(0), index.lowerBound(longest),
                         index.lowerBound(longest + '\x9E')),  // longer sorts after
              std::tuple(true, longest, size_t{0}, size_t{1}));
}

// Opening waits for no words (they arrive after the first frame); the first question sees them all.
TEST(IndexedWordStore, OpeningWaitsForNothingAndTheFirstQuestionSeesTheWholeList) {
    bool loaded = false;
    auto loading = std::async(std::launch::deferred, [&] {
        loaded = true;
        return indexOf({"ahoj", "čáp", "pes", "žába"});
    });
    IndexedWordStore store(std::move(loading), nullptr);
    auto game = store.openCursor();
    auto pc = store.openCursor();
    EXPECT_FALSE(loaded);

    EXPECT_TRUE(pc->Lookup(utf8ToCp1250("žába")));
    EXPECT_TRUE(loaded);
    game->SeekNearest("b");
    EXPECT_EQ(game->Browse(5),
              (std::vector<std::string>{utf8ToCp1250("čáp"), "pes", utf8ToCp1250("žába")}));
}

using Words = std::vector<std::string>;

class SqliteWordStoreTest : public ::testing::Test {
  protected:
    // The list as built, with the stamped graph of `graphed` (or of the list), or without.
    void ship(Words words, bool graph = false, Words graphed = {}) {
        uint32_t stamp = 0;
        if (graph) {
            std::vector<std::string> codes;
            for (const auto& w : graphed.empty() ? words : graphed)
                appendCodesOfUtf8(w, codes.emplace_back());
            const std::string bytes = buildWordGraph(codes);
            stamp = graphStamp(bytes);
            writeFileAtomic(install.path() / WordGraph::kFileName, bytes);
        }
        writeWordListFile(install.path() / "Slovnik_cz.db", std::move(words), stamp);
    }
    std::unique_ptr<SqliteWordStore> open() {
        return std::make_unique<SqliteWordStore>(FileRoot(install.path()), FileRoot(user.path()));
    }
    // The whole list as the player's cursor browses it, in UTF-8.
    static Words all(WordCursor& c) {
        c.SeekNearest("");
        Words out;
        for (const auto& w : c.Browse(10)) out.push_back(cp1250ToUtf8(w));
        return out;
    }
    test::TempDir install, user;
};

TEST_F(SqliteWordStoreTest, SeekFindsTheNearestWordAndCursorsShareChanges) {
    ship({"ahoj", "čáp", "cena", "pes", "žába", "Praha"});  // Praha: no tile could lay it
    auto store = open();
    auto game = store->openCursor();
    auto pc = store->openCursor();
    EXPECT_FALSE(game->Lookup(utf8ToCp1250("čá")));
    EXPECT_FALSE(game->Lookup("Praha"));
    game->SeekNearest("c");
    EXPECT_EQ(game->Browse(2), (Words{"cena", utf8ToCp1250("čáp")}));
    game->SeekNearest(utf8ToCp1250("žz"));  // past the last word: on the last word
    EXPECT_EQ(game->Browse(2), (Words{utf8ToCp1250("žába")}));

    game->SeekNearest("osel");
    game->InsertWord("osel");
    EXPECT_TRUE(pc->Lookup("osel"));
    EXPECT_EQ(game->Browse(2), (Words{"osel", "pes"}));
    ASSERT_TRUE(game->Lookup(utf8ToCp1250("žába")));
    game->DeleteWord();
    EXPECT_EQ(game->Browse(2), (Words{"pes"}));  // the last one left
}

// The graph is what the game reads, but only beside the list it was made of.
TEST_F(SqliteWordStoreTest, TheWordGraphServesOnlyTheListItWasMadeOf) {
    ship({"pes"}, true, {"kos"});
    EXPECT_EQ(all(*open()->openCursor()), (Words{"kos"}));
    const std::string graph = readFile(install.path() / WordGraph::kFileName);
    ship({"pes"});  // a list rebuilt without its graph
    writeFileAtomic(install.path() / WordGraph::kFileName, graph);
    EXPECT_EQ(all(*open()->openCursor()), (Words{"pes"}));
    ship({"pes"}, true);
    writeFileAtomic(install.path() / WordGraph::kFileName, graph.substr(0, 20));
    EXPECT_EQ(all(*open()->openCursor()), (Words{"pes"}));
}

TEST_F(SqliteWordStoreTest, PlayersChangesOutliveReopeningAndARebuiltList) {
    ship({"kos", "les", "pes"}, true);
    {
        auto store = open();
        auto game = store->openCursor();
        for (const std::string bad : {"", " ", "Pes", "qi", "pe s", "\xC1"})
            EXPECT_THROW(game->InsertWord(bad), BadWordError) << bad;
        game->InsertWord(utf8ToCp1250("čáp"));
        game->InsertWord("sova");
        ASSERT_TRUE(game->Lookup("les"));
        game->DeleteWord();
        ASSERT_TRUE(game->Lookup("sova"));
        game->DeleteWord();  // added, then removed again
    }
    auto store = open();
    auto reopened = store->openCursor();
    EXPECT_EQ(all(*reopened), (Words{"čáp", "kos", "pes"}));
    for (const char* w : {"les", "sova"}) EXPECT_FALSE(reopened->Lookup(w)) << w;
    EXPECT_TRUE(reopened->Lookup(utf8ToCp1250("čáp")));
    // A new shipped list holding the added word, the removed one and one more.
    ship({"čáp", "kos", "les", "pes", "vlk"});
    EXPECT_EQ(all(*open()->openCursor()), (Words{"čáp", "kos", "pes", "vlk"}));
}

// An unreadable file of the player's words is set aside, he is told, and a
// fresh one takes his words; a full disk fails an insert with its own error.
TEST_F(SqliteWordStoreTest, APlayersFileThatCannotBeReadIsSetAsideAndTheGameGoesOn) {
    ship({"kos", "pes"});
    const fs::path changes = user.path() / "Data" / "Slovnik_hrace.db";
    fs::create_directories(changes.parent_path());
    std::ofstream(changes) << "not a database";
    {
        auto store = open();
        EXPECT_NE(store->upozorneni().find("cannot read"), std::string::npos);
        EXPECT_EQ(readFile(changes.string() + ".poskozeny"), "not a database");
        store->openCursor()->InsertWord("sova");
    }
    auto store = open();
    EXPECT_EQ(store->upozorneni(), "");
    auto game = store->openCursor();
    EXPECT_EQ(all(*game), (Words{"kos", "pes", "sova"}));

    // No file may grow any more, as on a full disk.
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    const auto oldSignal = signal(SIGXFSZ, SIG_IGN);
    rlimit full = was;
    full.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &full);
    std::string error;
    try {
        game->InsertWord("vlk");
    } catch (const FileError& e) {
        error = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &was);
    signal(SIGXFSZ, oldSignal);
    EXPECT_NE(error.find("disk"), std::string::npos) << error;
    EXPECT_EQ(error.find("rollback"), std::string::npos) << error;
    // Another program writing the file for a moment is waited for.
    SqliteDb db(changes, SqliteDb::Mode::ReadWriteCreate);
    auto timeout = db.prepare("PRAGMA busy_timeout");
    ASSERT_TRUE(timeout.step());
    EXPECT_NE(timeout.column(0), "0");
}

TEST_F(SqliteWordStoreTest, BadFilesAreErrorsNamingTheFile) {
    const fs::path list = install.path() / "Slovnik_cz.db";
    const auto expectNamed = [&](const std::string& what) {
        try {
            open()->openCursor()->Lookup("pes");
            ADD_FAILURE() << what << ": no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("Slovnik_cz.db"), std::string::npos) << what;
        }
    };
    expectNamed("missing");
    std::ofstream(list) << "not a database at all, just some text";
    expectNamed("not a database");
    { SqliteDb db(list.string() + ".x", SqliteDb::Mode::ReadWriteCreate); }
    fs::rename(list.string() + ".x", list);
    expectNamed("no table");

    // Damage found while the words load in the background shows at every use.
    Words many;
    for (int i = 0; i < 20000; ++i) many.push_back("slovo" + std::to_string(i));
    ship(many);
    {
        std::fstream f(list, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(3 * 4096);
        f << std::string(8 * 4096, '\x5A');
    }
    auto store = open();
    auto cursor = store->openCursor();
    EXPECT_THROW(cursor->Lookup("pes"), FileError);
    EXPECT_THROW(cursor->SeekNearest("pes"), FileError);
}

}  // namespace
}  // namespace tb
