#include "engine/saves/slot_files.h"

#include <ctime>

#include "files/file_lines.h"

namespace tb {

std::string slotName(int n, bool zaznam) {
    return std::string(zaznam ? "Save/Prubeh/" : "Save/") + std::to_string(n) + ".dat";
}

std::optional<std::vector<std::string>> readSlotLines(const FileRoot& user, int n, bool zaznam) {
    const fs::path path = user.resolve(slotName(n, zaznam));
    if (!existsAtAll(path)) return std::nullopt;
    return splitLines(readFile(path, kMaxRecordBytes));
}

std::vector<std::string> readSlotToLoad(const FileRoot& user, int n, bool zaznam) {
    auto lines = readSlotLines(user, n, zaznam);
    if (!lines) throw FileError(slotName(n, zaznam) + ": the slot is free");
    return std::move(*lines);
}

void writeUserFile(const FileRoot& user, const std::string& name, const std::string& bytes) {
    const fs::path path = user.resolve(name);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    writeFileAtomic(path, bytes);
}

std::vector<std::string> readRecordFile(const FileRoot& user) {
    return splitLines(readFile(user.resolve(kMainDat), kMaxRecordBytes));
}

void writeRecordFile(const FileRoot& user, const std::vector<std::string>& lines) {
    writeUserFile(user, kMainDat, joinLines(lines));
}

std::string dnesniDatum() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return std::to_string(t.tm_mday) + "." + std::to_string(t.tm_mon + 1) + "." +
           std::to_string(t.tm_year + 1900);
}

}  // namespace tb
