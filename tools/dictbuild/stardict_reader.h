#pragma once
// A StarDict dictionary: the index (.idx: headword, NUL, 32-bit big-endian
// offset and size) and the articles (.dict.dz, dictzip = gzip).

#include <string>
#include <vector>

#include "files/files.h"

namespace tb::dictbuild {

struct StardictEntry {
    std::string headword;  // UTF-8
    std::string article;   // UTF-8, with the dictionary's markup
};

// Entries in index order. Throws FileError naming a file that is missing or
// damaged.
std::vector<StardictEntry> readStardict(const fs::path& idx, const fs::path& dictDz);
// The same from bytes already read (the articles uncompressed).
std::vector<StardictEntry> parseStardict(const std::string& idxBytes, const std::string& articles,
                                         const std::string& idxName);
// Whole gzip (or dictzip) file, uncompressed.
std::string readGzipFile(const fs::path& path);

}  // namespace tb::dictbuild
