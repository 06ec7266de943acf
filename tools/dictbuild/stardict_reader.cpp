#include "tools/dictbuild/stardict_reader.h"

#include <zlib.h>

#include <memory>

namespace tb::dictbuild {
namespace {

uint32_t bigEndian32(const std::string& s, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

}  // namespace

std::string readGzipFile(const fs::path& path) {
    std::unique_ptr<gzFile_s, int (*)(gzFile)> in(gzopen(path.c_str(), "rb"), gzclose);
    if (!in) throw FileError(path.string() + ": cannot open");
    std::string out;
    char buf[1 << 16];
    int n;
    while ((n = gzread(in.get(), buf, sizeof buf)) > 0) out.append(buf, n);
    if (n < 0) throw FileError(path.string() + ": damaged compressed data");
    return out;
}

std::vector<StardictEntry> parseStardict(const std::string& idxBytes, const std::string& articles,
                                         const std::string& idxName) {
    std::vector<StardictEntry> entries;
    for (size_t at = 0; at < idxBytes.size();) {
        const size_t nul = idxBytes.find('\0', at);
        if (nul == std::string::npos || nul + 9 > idxBytes.size())
            throw FileError(idxName + ": index ends in the middle of an entry");
        const uint32_t offset = bigEndian32(idxBytes, nul + 1);
        const uint32_t size = bigEndian32(idxBytes, nul + 5);
        if (static_cast<size_t>(offset) + size > articles.size())
            throw FileError(idxName + ": an entry points past the articles");
        entries.push_back({idxBytes.substr(at, nul - at), articles.substr(offset, size)});
        at = nul + 9;
    }
    return entries;
}

std::vector<StardictEntry> readStardict(const fs::path& idx, const fs::path& dictDz) {
    return parseStardict(readFile(idx), readGzipFile(dictDz), idx.string());
}

}  // namespace tb::dictbuild
