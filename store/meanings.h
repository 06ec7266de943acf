#pragma once
// The word meanings of data/information.dat: lines "word,meaning" in code
// page 1250; the word is everything before the first comma, the meaning
// everything after it (further commas included); a line without a comma is
// a word with an empty meaning. The file is read afresh on every request.

#include <optional>
#include <string>
#include <string_view>

#include "files/files.h"

namespace tb {

constexpr const char* kMeaningsFile = "data/information.dat";

// The meaning of the last line whose word equals `word` exactly (code page
// 1250), or nothing if no line has it.
std::optional<std::string> findMeaning(std::string_view fileBytes, std::string_view word);
// The same from the installation's file. A missing or unreadable file is a
// FileError naming it: it knows no meaning, and the player is to hear why.
std::optional<std::string> findMeaning(const FileRoot& install, std::string_view word);

}  // namespace tb
