#pragma once
// A thin owner of an SQLite connection and its statements. Every failure is
// a FileError naming the database file.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "files/files.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tb {

class SqliteStatement;

class SqliteDb {
  public:
    // ReadWriteCreate never opens a link, so a link planted in the user
    // directory cannot send the writes elsewhere.
    enum class Mode { ReadOnly, ReadWriteCreate };
    SqliteDb(const fs::path& path, Mode mode);
    const fs::path& path() const { return path_; }
    // Runs statements that return no rows; `what` names a failure.
    void exec(const char* sql, std::string_view what = "cannot write");
    // Ends the transaction under way, if any, without a word: the error that
    // made it fail (a full disk may have ended it already) is what counts.
    void rollback() noexcept;
    SqliteStatement prepare(const char* sql);
    [[noreturn]] void fail(std::string_view what) const;

  private:
    struct Close {
        void operator()(sqlite3* db) const;
    };
    fs::path path_;
    std::unique_ptr<sqlite3, Close> db_;
    friend class SqliteStatement;
};

class SqliteStatement {
  public:
    // Binds text to parameter 1..n (the text is copied).
    SqliteStatement& bind(int n, std::string_view text);
    // Next row: true while there is one.
    bool step();
    // Runs a statement that returns no rows, and makes it ready to run again.
    void run();
    std::string_view column(int n) const;
    void reset();

  private:
    friend class SqliteDb;
    SqliteStatement(SqliteDb& db, sqlite3_stmt* stmt) : db_(&db), stmt_(stmt) {}
    struct Finalize {
        void operator()(sqlite3_stmt* stmt) const;
    };
    SqliteDb* db_;
    std::unique_ptr<sqlite3_stmt, Finalize> stmt_;
};

}  // namespace tb
