#include "store/meanings.h"

namespace tb {

std::optional<std::string> findMeaning(std::string_view fileBytes, std::string_view word) {
    std::optional<std::string> found;
    while (!fileBytes.empty()) {
        size_t end = fileBytes.find('\n');
        std::string_view line = fileBytes.substr(0, end);
        fileBytes = end == std::string_view::npos ? std::string_view() : fileBytes.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const size_t comma = line.find(',');
        if (line.substr(0, comma) != word) continue;
        found =
            comma == std::string_view::npos ? std::string() : std::string(line.substr(comma + 1));
    }
    return found;
}

std::optional<std::string> findMeaning(const FileRoot& install, std::string_view word) {
    // The built file is some megabytes; a gigabyte is none of the game's.
    constexpr uint64_t kMaxMeanings = uint64_t{1} << 30;
    return findMeaning(readFile(install.resolve(kMeaningsFile), kMaxMeanings), word);
}

}  // namespace tb
