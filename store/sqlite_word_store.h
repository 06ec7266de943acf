#pragma once
// The dictionary of the game: the shipped word list Slovnik_cz.db in the
// installation (read-only, table Slovnik, column Cesky, UTF-8) plus the
// player's own additions and removals, kept in the user directory so that
// they still apply when the shipped list is rebuilt.

#include <atomic>
#include <memory>
#include <string>

#include "files/files.h"
#include "store/indexed_word_store.h"

namespace tb {

class SqliteWordStore : public IndexedWordStore {
  public:
    static constexpr const char* kShippedName = "Slovnik_cz.db";
    static constexpr const char* kChangesName = "Data/Slovnik_hrace.db";

    // Opens both files at once and reads the words in the background (the
    // list's word graph, or its rows when it has none); the first operation
    // waits for them. A missing or unreadable shipped list is
    // a FileError naming it; a player's file that cannot be read is set aside
    // (see upozorneni) and the game goes on without his words.
    SqliteWordStore(const FileRoot& install, const FileRoot& user);
    // Stops a reading still under way, so closing the game never waits for it.
    ~SqliteWordStore() override;

    // What the player is to be told (UTF-8): the player's words could not be
    // read and were set aside. Empty when all is well.
    const std::string& upozorneni() const { return upozorneni_; }

  private:
    struct Opened;
    static Opened open(const FileRoot& install, const FileRoot& user);
    explicit SqliteWordStore(Opened opened);

    std::shared_ptr<std::atomic<bool>> stop_;
    std::string upozorneni_;
};

}  // namespace tb
