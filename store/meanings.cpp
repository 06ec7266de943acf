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
    std::string bytes;
    try {
        bytes = readFile(install.resolve(kMeaningsFile));
    } catch (const FileError&) {
        return std::nullopt;
    }
    return findMeaning(bytes, word);
}

}  // namespace tb
