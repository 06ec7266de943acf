#include "store/word_list_file.h"

#include <algorithm>
#include <string>

#include "store/sqlite_db.h"

namespace tb {

void writeWordListFile(const fs::path& path, std::vector<std::string> utf8Words, uint32_t stamp) {
    // Sorted in the table's own order the rows go in at the end of the tree,
    // which is fast, and the same words always give the same file.
    std::sort(utf8Words.begin(), utf8Words.end());
    utf8Words.erase(std::unique(utf8Words.begin(), utf8Words.end()), utf8Words.end());

    fs::path temp = path;
    temp += ".tmp";
    fs::remove(temp);
    {
        SqliteDb db(temp, SqliteDb::Mode::ReadWriteCreate);
        db.exec(
            "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
            "CREATE TABLE Slovnik(Cesky TEXT PRIMARY KEY) WITHOUT ROWID;"
            "BEGIN;");
        auto insert = db.prepare("INSERT INTO Slovnik VALUES (?1)");
        for (const auto& w : utf8Words) insert.bind(1, w).run();
        db.exec("COMMIT;");
        // The stamp tells the game which index image belongs to the list.
        db.exec(("PRAGMA user_version = " + std::to_string(static_cast<int32_t>(stamp))).c_str());
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) throw FileError(path.string() + ": cannot write: " + ec.message());
}

}  // namespace tb
