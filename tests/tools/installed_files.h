#pragma once
// Reading back what the generators wrote into the installation root.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace tbtest {

inline std::filesystem::path installRoot() {
    return TB_ROOT_DIR;
}

struct Size {
    int w = 0, h = 0;
    bool operator==(const Size&) const = default;
};

inline std::string readBytes(const std::filesystem::path& p, size_t n) {
    std::ifstream in(p, std::ios::binary);
    std::string s(n, '\0');
    in.read(s.data(), std::streamsize(n));
    s.resize(size_t(in.gcount()));
    return s;
}

inline uint32_t be32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) << 24 | uint32_t(uint8_t(s[at + 1])) << 16 |
           uint32_t(uint8_t(s[at + 2])) << 8 | uint32_t(uint8_t(s[at + 3]));
}
inline uint32_t le32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 |
           uint32_t(uint8_t(s[at + 2])) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}
inline uint16_t le16(const std::string& s, size_t at) {
    return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8);
}

// Size from a PNG or BMP header; nothing for anything else.
inline std::optional<Size> pictureSize(const std::filesystem::path& p) {
    const std::string h = readBytes(p, 32);
    if (h.size() >= 24 && h.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
        return Size{int(be32(h, 16)), int(be32(h, 20))};
    if (h.size() >= 26 && h.compare(0, 2, "BM") == 0)
        return Size{int(le32(h, 18)), int(le32(h, 22))};
    return std::nullopt;
}

struct ManifestLine {
    std::string list, name, file;
    int index = 0, w = 0, h = 0;
    std::optional<int> x, y;
    bool transparent = false;
};

inline std::vector<ManifestLine> readManifest() {
    std::ifstream in(installRoot() / "images/manifest.txt");
    std::vector<ManifestLine> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream f(line);
        ManifestLine m;
        std::string x, y;
        std::getline(f, m.list, '\t');
        f >> m.index;
        f.ignore();
        std::getline(f, m.name, '\t');
        std::getline(f, m.file, '\t');
        f >> m.w >> m.h >> x >> y >> m.transparent;
        if (x != "-") m.x = std::stoi(x);
        if (y != "-") m.y = std::stoi(y);
        lines.push_back(m);
    }
    return lines;
}

}  // namespace tbtest
