#pragma once
// The dictionary of the game: the shipped word list Slovnik_cz.db in the
// installation (read-only, table Slovnik, column Cesky, UTF-8) plus the
// player's own additions and removals, kept in the user directory so that
// they still apply when the shipped list is rebuilt.

#include <atomic>
#include <memory>

#include "store/indexed_word_store.h"
#include "files/files.h"

namespace tb {

class SqliteWordStore : public IndexedWordStore {
  public:
    static constexpr const char* kShippedName = "Slovnik_cz.db";
    static constexpr const char* kChangesName = "Data/Slovnik_hrace.db";

    // Opens both files at once (a missing or unreadable one is a FileError
    // naming it) and reads the words in the background; the first operation
    // waits for them.
    SqliteWordStore(const FileRoot& install, const FileRoot& user);
    // Stops a reading still under way, so closing the game never waits for it.
    ~SqliteWordStore() override;

  private:
    struct Opened;
    static Opened open(const FileRoot& install, const FileRoot& user);
    explicit SqliteWordStore(Opened opened);

    std::shared_ptr<std::atomic<bool>> stop_;
};

}  // namespace tb
