#include "store/sqlite_db.h"

#include <sqlite3.h>

namespace tb {

void SqliteDb::Close::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}
void SqliteStatement::Finalize::operator()(sqlite3_stmt* stmt) const {
    sqlite3_finalize(stmt);
}

SqliteDb::SqliteDb(const fs::path& path, Mode mode) : path_(path) {
    // Without the allocator's statistics SQLite takes no global lock per
    // allocation, which halves the time to read the word list. It can only be
    // set before SQLite starts; if it has started already, it stays as it is.
    static const bool configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    (void)configured;
    // SQLite would create a missing file even when asked to read; say it is missing instead.
    if (mode == Mode::ReadOnly && !fs::is_regular_file(path))
        throw FileError(path.string() + ": file not found");
    const int flags = mode == Mode::ReadOnly
                          ? SQLITE_OPEN_READONLY
                          : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    db_.reset(db);
    if (rc != SQLITE_OK) fail("cannot open");
    // Another program writing the same file briefly is waited for, not an error.
    sqlite3_busy_timeout(db, 2000);
}

void SqliteDb::fail(std::string_view what) const {
    std::string msg = path_.string() + ": " + std::string(what);
    if (db_) msg += std::string(": ") + sqlite3_errmsg(db_.get());
    throw FileError(msg);
}

void SqliteDb::exec(const char* sql, std::string_view what) {
    if (sqlite3_exec(db_.get(), sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(what);
}

void SqliteDb::rollback() noexcept {
    if (!sqlite3_get_autocommit(db_.get()))
        sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
}

SqliteStatement SqliteDb::prepare(const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql, -1, &stmt, nullptr) != SQLITE_OK)
        fail("not a word list");
    return SqliteStatement(*this, stmt);
}

SqliteStatement& SqliteStatement::bind(int n, std::string_view text) {
    if (sqlite3_bind_text(stmt_.get(), n, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        db_->fail("cannot bind");
    return *this;
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(stmt_.get());
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    db_->fail("cannot read");
}

void SqliteStatement::run() {
    const int rc = sqlite3_step(stmt_.get());
    reset();
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) db_->fail("cannot write");
}

std::string_view SqliteStatement::column(int n) const {
    const auto* text = sqlite3_column_text(stmt_.get(), n);
    if (!text) return {};
    return {reinterpret_cast<const char*>(text),
            static_cast<size_t>(sqlite3_column_bytes(stmt_.get(), n))};
}

void SqliteStatement::reset() {
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
}

}  // namespace tb
