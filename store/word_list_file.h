#pragma once
// Writing the shipped word list: SQLite, table Slovnik(Cesky TEXT PRIMARY
// KEY) WITHOUT ROWID, words in UTF-8.

#include <cstdint>
#include <string>
#include <vector>

#include "files/files.h"

namespace tb {

// Writes the words (UTF-8, duplicates allowed) into a new file beside `path`
// and renames it over `path`; `stamp` is the fingerprint of the index image
// made of the same words (0: none). Throws FileError.
void writeWordListFile(const fs::path& path, std::vector<std::string> utf8Words,
                       uint32_t stamp = 0);

}  // namespace tb
