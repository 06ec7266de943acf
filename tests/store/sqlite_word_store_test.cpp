#include "store/sqlite_word_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <string>
#include <vector>

#include "files/text.h"
#include "store/sqlite_db.h"
#include "store/word_list_file.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

std::string cp(std::string_view utf8) {
    return utf8ToCp1250(utf8);
}

std::vector<std::string> utf8(const std::vector<std::string>& cpWords) {
    std::vector<std::string> out;
    for (const auto& w : cpWords) out.push_back(cp1250ToUtf8(w));
    return out;
}

class SqliteWordStoreTest : public ::testing::Test {
  protected:
    void ship(std::vector<std::string> words) {
        writeWordListFile(install.path() / "Slovnik_cz.db", std::move(words));
    }
    std::unique_ptr<SqliteWordStore> open() {
        return std::make_unique<SqliteWordStore>(FileRoot(install.path()), FileRoot(user.path()));
    }
    test::TempDir install, user;
};

TEST_F(SqliteWordStoreTest, LookupIsExactAndSeekFindsNearest) {
    ship({"ahoj", "čáp", "cena", "pes", "žába", "Praha", "kg2"});
    auto store = open();
    auto game = store->openCursor();
    EXPECT_TRUE(game->Lookup(cp("čáp")));
    EXPECT_FALSE(game->Lookup(cp("čá")));
    EXPECT_FALSE(game->Lookup("Praha"));  // a record no tile could lay is left out
    struct Case {
        std::string typed;
        std::vector<std::string> shown;
    } cases[] = {
        {"", {"ahoj", "cena", "čáp"}},
        {"c", {"cena", "čáp", "pes"}},
        {"d", {"pes", "žába"}},
        {"pes", {"pes", "žába"}},
        {"žz", {"žába"}},  // past the last word: on the last word
        {"žábaa", {"žába"}},
    };
    for (const auto& c : cases) {
        game->SeekNearest(cp(c.typed));
        EXPECT_EQ(utf8(game->Browse(3)), c.shown) << c.typed;
    }
}

TEST_F(SqliteWordStoreTest, TypedWordsAreLoweredInAToZOnly) {
    ship({"žába", "pes"});
    auto store = open();
    auto game = store->openCursor();
    EXPECT_TRUE(game->Lookup(lowerAZ(cp("PES"))));
    EXPECT_FALSE(game->Lookup(lowerAZ(cp("Žába"))));
    EXPECT_FALSE(game->Lookup(lowerAZ(cp("ŽÁBA"))));  // Ž and Á stay capitals
    EXPECT_TRUE(game->Lookup(lowerAZ(cp("žába"))));
    EXPECT_FALSE(game->Lookup("-"));  // an empty rack slot in a candidate
    EXPECT_FALSE(game->Lookup("pe-"));
}

TEST_F(SqliteWordStoreTest, CursorsShareInsertAndDelete) {
    ship({"les", "pes"});
    auto store = open();
    auto game = store->openCursor();
    auto pc = store->openCursor();
    game->SeekNearest("osel");
    game->InsertWord("osel");
    EXPECT_TRUE(pc->Lookup("osel"));
    EXPECT_EQ(game->Browse(5), (std::vector<std::string>{"osel", "pes"}));

    ASSERT_TRUE(pc->Lookup("les"));
    pc->DeleteWord();
    EXPECT_FALSE(game->Lookup("les"));
    EXPECT_EQ(pc->Browse(5), (std::vector<std::string>{"osel", "pes"}));  // on the next word
    ASSERT_TRUE(game->Lookup("pes"));
    game->DeleteWord();
    EXPECT_EQ(game->Browse(5), (std::vector<std::string>{"osel"}));  // the last one left

    // Inserting a word already there changes nothing.
    game->InsertWord("osel");
    pc->SeekNearest("");
    EXPECT_EQ(pc->Browse(5), (std::vector<std::string>{"osel"}));
}

TEST_F(SqliteWordStoreTest, RefusedWordsAreNeverAdded) {
    ship({"pes"});
    {
        auto store = open();
        auto game = store->openCursor();
        for (const std::string bad : {"", " ", "Pes", "qi", "pe s", "\xC1"})
            EXPECT_THROW(game->InsertWord(bad), BadWordError) << bad;
        game->SeekNearest("");
        EXPECT_EQ(game->Browse(5), (std::vector<std::string>{"pes"}));
    }
    auto store = open();
    auto game = store->openCursor();
    game->SeekNearest("");
    EXPECT_EQ(game->Browse(5), (std::vector<std::string>{"pes"}));
}

TEST_F(SqliteWordStoreTest, PlayersChangesOutliveReopeningAndARebuiltList) {
    ship({"kos", "les", "pes"});
    {
        auto store = open();
        auto game = store->openCursor();
        game->InsertWord(cp("čáp"));
        game->InsertWord("sova");
        ASSERT_TRUE(game->Lookup("les"));
        game->DeleteWord();
        ASSERT_TRUE(game->Lookup("sova"));
        game->DeleteWord();  // added, then removed again
    }
    const std::vector<std::string> expected = {"čáp", "kos", "pes"};
    {
        auto store = open();
        auto game = store->openCursor();
        game->SeekNearest("");
        EXPECT_EQ(utf8(game->Browse(10)), expected);
    }
    // A new shipped list that now holds the added word, still holds the
    // removed one, and has one word more.
    ship({"čáp", "kos", "les", "pes", "vlk"});
    auto store = open();
    auto game = store->openCursor();
    game->SeekNearest("");
    EXPECT_EQ(utf8(game->Browse(10)), (std::vector<std::string>{"čáp", "kos", "pes", "vlk"}));
    EXPECT_FALSE(game->Lookup("sova"));
}

// The player's words that cannot be read never stop the game: the file is set
// aside whole, the player is told, the shipped words serve and a fresh file
// takes his words again. A full disk then fails an insert with its own error.
TEST_F(SqliteWordStoreTest, APlayersFileThatCannotBeReadIsSetAsideAndTheGameGoesOn) {
    ship({"kos", "pes"});
    const fs::path changes = user.path() / "Data" / "Slovnik_hrace.db";
    fs::create_directories(changes.parent_path());
    std::ofstream(changes) << "not a database at all, just some text";
    {
        auto store = open();
        EXPECT_NE(store->upozorneni().find("cannot read"), std::string::npos)
            << store->upozorneni();
        EXPECT_EQ(readFile(changes.string() + ".poskozeny"),
                  "not a database at all, just some text");
        auto game = store->openCursor();
        EXPECT_TRUE(game->Lookup("pes"));
        game->InsertWord("sova");
    }
    auto store = open();
    EXPECT_EQ(store->upozorneni(), "");
    auto game = store->openCursor();
    EXPECT_TRUE(game->Lookup("sova"));

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
    const auto expectNamed = [&](const std::string& what) {
        try {
            auto store = open();
            store->openCursor()->Lookup("pes");
            ADD_FAILURE() << what << ": no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("Slovnik_cz.db"), std::string::npos)
                << what << ": " << e.what();
        }
    };
    expectNamed("missing");
    std::ofstream(install.path() / "Slovnik_cz.db") << "not a database at all, just some text";
    expectNamed("not a database");
    { SqliteDb db(install.path() / "Slovnik_cz.db.x", SqliteDb::Mode::ReadWriteCreate); }
    fs::rename(install.path() / "Slovnik_cz.db.x", install.path() / "Slovnik_cz.db");
    expectNamed("no table");

    // Damage found only while the words are read in the background shows at
    // the first use, and at every use after it.
    std::vector<std::string> many;
    for (int i = 0; i < 20000; ++i) many.push_back("slovo" + std::to_string(i));
    ship(many);
    {
        std::fstream f(install.path() / "Slovnik_cz.db",
                       std::ios::in | std::ios::out | std::ios::binary);
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
