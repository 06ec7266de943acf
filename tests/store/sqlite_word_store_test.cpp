#include "store/sqlite_word_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <string>
#include <vector>

#include "engine/ai/word_graph.h"
#include "engine/game/letter_codes.h"
#include "files/text.h"
#include "store/sqlite_db.h"
#include "store/word_index.h"
#include "store/word_list_file.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

using Words = std::vector<std::string>;

class SqliteWordStoreTest : public ::testing::Test {
  protected:
    // The list as the build leaves it, with the word graph of `graphed`
    // (of the list itself when empty) and its stamp, or with neither.
    void ship(Words words, bool graph = false, Words graphed = {}) {
        uint32_t stamp = 0;
        if (graph) {
            std::vector<std::string> codes;
            for (const auto& w : graphed.empty() ? words : graphed)
                appendCodesOfUtf8(w, codes.emplace_back());
            const std::string bytes = buildWordGraph(codes);
            stamp = WordIndex::stampOf(bytes);
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
    // A new shipped list that now holds the added word, still holds the
    // removed one, and has one word more.
    ship({"čáp", "kos", "les", "pes", "vlk"});
    EXPECT_EQ(all(*open()->openCursor()), (Words{"čáp", "kos", "pes", "vlk"}));
}

// The player's words that cannot be read never stop the game: the file is set
// aside whole, the player is told, the shipped words serve and a fresh file
// takes his words again. A full disk then fails an insert with its own error.
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

    // Damage found only while the words are read in the background shows at
    // the first use, and at every use after it.
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
