#include "store/sqlite_word_store.h"

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "files/text.h"
#include "store/sqlite_db.h"

namespace tb {
namespace {

// The player's changes: two small tables of UTF-8 words, in a file made on
// the first change. Every change is written at once, so a crash loses nothing.
class PlayerChanges : public WordChanges {
  public:
    explicit PlayerChanges(fs::path path) : path_(std::move(path)) {}

    // The words of one table; none while the file does not exist yet.
    std::vector<std::string> read(const std::string& table) {
        std::vector<std::string> words;
        if (!existsAtAll(path_)) return words;
        // A pipe would never answer, and a link is not followed.
        std::error_code ec;
        if (fs::symlink_status(path_, ec).type() != fs::file_type::regular)
            throw FileError(path_.string() + ": cannot read: not a regular file");
        auto stmt = db().prepare(("SELECT Cesky FROM " + table).c_str());
        while (stmt.step()) words.push_back(utf8ToCp1250(stmt.column(0)));
        return words;
    }

    void added(std::string_view cp) override { move(cp, "Odebrana", "Pridana"); }
    void removed(std::string_view cp) override { move(cp, "Pridana", "Odebrana"); }

  private:
    SqliteDb& db() {
        if (!db_) {
            fs::create_directories(path_.parent_path());
            // An existing file that fails here is damaged: it cannot be read.
            const bool existed = existsAtAll(path_);
            db_.emplace(path_, SqliteDb::Mode::ReadWriteCreate);
            db_->exec(
                "CREATE TABLE IF NOT EXISTS Pridana(Cesky TEXT PRIMARY KEY) WITHOUT ROWID;"
                "CREATE TABLE IF NOT EXISTS Odebrana(Cesky TEXT PRIMARY KEY) WITHOUT ROWID;",
                existed ? "cannot read" : "cannot write");
        }
        return *db_;
    }

    // A word is in at most one of the two tables: the player's last word on it.
    void move(std::string_view cp, const std::string& from, const std::string& to) {
        const std::string word = cp1250ToUtf8(cp);
        SqliteDb& d = db();
        d.exec("BEGIN");
        try {
            d.prepare(("DELETE FROM " + from + " WHERE Cesky = ?1").c_str()).bind(1, word).run();
            d.prepare(("INSERT OR IGNORE INTO " + to + " VALUES (?1)").c_str()).bind(1, word).run();
            d.exec("COMMIT");
        } catch (...) {
            d.rollback();
            throw;
        }
    }

    fs::path path_;
    std::optional<SqliteDb> db_;
};

// The shipped list, opened and its query prepared before the reading starts,
// so a missing or damaged file is reported at once.
struct ShippedList {
    ShippedList(const fs::path& path, fs::path graph)
        : db(path, SqliteDb::Mode::ReadOnly),
          rows(db.prepare("SELECT Cesky FROM Slovnik")),
          graph(std::move(graph)) {
        auto version = db.prepare("PRAGMA user_version");
        if (version.step())
            stamp = static_cast<uint32_t>(std::stoll(std::string(version.column(0))));
    }
    SqliteDb db;
    SqliteStatement rows;
    fs::path graph;      // the word graph the build made of the list
    uint32_t stamp = 0;  // the stamp of that graph, 0 when the list has none
};

WordIndex readWords(ShippedList& shipped, const std::atomic<bool>& stop) {
    // The graph the build made of this very list, if it is there: read in
    // an instant. Any other list is read row by row.
    if (shipped.stamp != 0 && existsAtAll(shipped.graph)) {
        try {
            std::string bytes = readFile(shipped.graph, 64u << 20);
            if (graphStamp(bytes) == shipped.stamp)
                return WordIndex(
                    std::make_shared<const WordGraph>(std::move(bytes), shipped.graph.string()));
        } catch (const FileError&) {
            // Left for the rows: they take a few seconds longer.
        }
    }
    WordIndex index;
    index.reserve(3'000'000);
    // A record that no tiles could lay is of no use to any move: left out.
    for (size_t row = 0; shipped.rows.step(); ++row) {
        // A game closed at once need not wait for the whole list.
        if (row % 4096 == 0 && stop.load(std::memory_order_relaxed)) return WordIndex{};
        index.appendUtf8(shipped.rows.column(0));
    }
    if (stop.load(std::memory_order_relaxed)) return WordIndex{};
    index.seal();
    return index;
}

WordIndex loadWords(ShippedList& shipped, const std::vector<std::string>& added,
                    const std::vector<std::string>& removed, const std::atomic<bool>& stop) {
    WordIndex index = readWords(shipped, stop);
    for (const auto& w : added)
        if (isTileWord(w) && w.size() <= WordIndex::kMaxLetters) index.insert(w);
    for (const auto& w : removed) index.erase(w);
    return index;
}

}  // namespace

struct SqliteWordStore::Opened {
    std::future<WordIndex> loading;
    std::unique_ptr<WordChanges> changes;
    std::shared_ptr<std::atomic<bool>> stop;
    std::string notice;
    std::vector<std::string> added;
};

SqliteWordStore::Opened SqliteWordStore::open(const FileRoot& install, const FileRoot& user) {
    auto shipped = std::make_unique<ShippedList>(install.resolve(kShippedName),
                                                 install.resolve(WordGraph::kFileName));
    const fs::path changesPath = user.resolve(kChangesName);
    auto changes = std::make_unique<PlayerChanges>(changesPath);
    std::vector<std::string> added, removed;
    Opened opened;
    try {
        added = changes->read("Pridana");
        removed = changes->read("Odebrana");
    } catch (const FileError& e) {
        // The player's words must not stop the game: the damaged file is kept
        // under another name (with its journal, which belongs to it alone)
        // and the game starts with the shipped words.
        changes = std::make_unique<PlayerChanges>(changesPath);
        added.clear();
        removed.clear();
        std::string kde = "Soubor zůstává, jak je.";
        try {
            kde = "Soubor je uschován jako " + setAside(changesPath).filename().string() + ".";
            if (fs::path journal = changesPath.string() + "-journal"; existsAtAll(journal))
                setAside(journal);
        } catch (const FileError&) {
            // Left where it is: a word added later is refused with the file's error.
        }
        opened.notice = "Vlastní slova hráče nelze přečíst, hra začíná se slovníkem hry.\n" + kde +
                        "\n(" + e.what() + ")";
    }
    opened.stop = std::make_shared<std::atomic<bool>>(false);
    opened.added = added;
    // The reading owns all it uses and is never waited for at the end: told
    // to stop, it finishes on its own (sorting the words read so far cannot
    // be cut short), while a game that is quitting goes at once.
    std::promise<WordIndex> index;
    opened.loading = index.get_future();
    std::thread([index = std::move(index), shipped = std::move(shipped), added = std::move(added),
                 removed = std::move(removed), stop = opened.stop]() mutable {
        // The first frames come first: on a busy machine this reading
        // yields the processor to the thread that draws them.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 5);
        try {
            index.set_value(loadWords(*shipped, added, removed, *stop));
        } catch (...) {
            index.set_exception(std::current_exception());
        }
    }).detach();
    opened.changes = std::move(changes);
    return opened;
}

SqliteWordStore::SqliteWordStore(const FileRoot& install, const FileRoot& user)
    : SqliteWordStore(open(install, user)) {}

SqliteWordStore::SqliteWordStore(Opened opened)
    : IndexedWordStore(std::move(opened.loading), std::move(opened.changes)),
      stop_(std::move(opened.stop)),
      upozorneni_(std::move(opened.notice)) {
    setAdded(std::move(opened.added));
}

SqliteWordStore::~SqliteWordStore() {
    // The reading sees it and ends on its own; nobody waits for it.
    stop_->store(true);
}

}  // namespace tb
