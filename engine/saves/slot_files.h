#pragma once
// Where the slots and the record file live in the user directory, and the
// pieces every slot writer and reader shares.

#include <optional>
#include <string>
#include <vector>

#include "files/files.h"

namespace tb {

constexpr int kSlots = 10;
inline constexpr const char* kMainDat = "Data/main.dat";

// "Save/3.dat" (a saved game) or "Save/Prubeh/3.dat" (a saved game record).
std::string slotName(int n, bool zaznam);
// The lines of a slot, or nothing when the file does not exist (a free
// slot). Throws FileError when it exists but cannot be read, is no regular
// file or is too large (a dangling link is such a slot too).
std::optional<std::vector<std::string>> readSlotLines(const FileRoot& user, int n, bool zaznam);
// The lines of a slot about to be loaded; a missing slot is a FileError.
std::vector<std::string> readSlotToLoad(const FileRoot& user, int n, bool zaznam);
// Writes a slot (a temporary file renamed over it, so the previous contents
// survive a failed save). Creates the folder when it is missing.
void writeUserFile(const FileRoot& user, const std::string& name, const std::string& bytes);

// The lines of Data/main.dat; throws FileError naming it.
std::vector<std::string> readRecordFile(const FileRoot& user);
void writeRecordFile(const FileRoot& user, const std::vector<std::string>& lines);

// Today's date as the Czech short date, "6.12.2026": never empty, since an
// empty first line marks a free slot.
std::string dnesniDatum();

}  // namespace tb
