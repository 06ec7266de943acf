#include "platform/image_manifest.h"

#include <algorithm>
#include <charconv>

namespace tb {
namespace {

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> out;
    size_t start = 0;
    for (size_t i = 0; i <= line.size(); ++i)
        if (i == line.size() || line[i] == '\t') {
            out.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    return out;
}

std::optional<int> number(std::string_view s) {
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

}  // namespace

ImageManifest ImageManifest::load(const FileRoot& install) {
    const fs::path file = install.resolve("images/manifest.txt");
    return parse(readFile(file), file.string());
}

ImageManifest ImageManifest::parse(std::string_view text, const std::string& fileName) {
    ImageManifest m;
    int lineNo = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        const auto f = splitTabs(line);
        auto bad = [&]() {
            return FileError(fileName + ", line " + std::to_string(lineNo) +
                             ": not a picture entry");
        };
        if (f.size() < 9) throw bad();
        ManifestEntry e;
        e.list = f[0];
        e.name = f[2];
        e.file = f[3];
        const auto index = number(f[1]), w = number(f[4]), h = number(f[5]), t = number(f[8]);
        if (!index || !w || !h || !t || e.file.empty()) throw bad();
        e.index = *index;
        e.width = *w;
        e.height = *h;
        e.x = number(f[6]);
        e.y = number(f[7]);
        e.transparent = *t != 0;
        if (f.size() > 9 && f[9].size() == 6) {
            uint32_t rgb = 0;
            auto [p, ec] = std::from_chars(f[9].data(), f[9].data() + 6, rgb, 16);
            if (ec != std::errc() || p != f[9].data() + 6) throw bad();
            e.key = Rgb::of(rgb);
        }
        m.entries_.push_back(std::move(e));
    }
    return m;
}

std::vector<const ManifestEntry*> ImageManifest::list(std::string_view name) const {
    std::vector<const ManifestEntry*> out;
    for (const auto& e : entries_)
        if (e.list == name) out.push_back(&e);
    std::stable_sort(out.begin(), out.end(), [](const ManifestEntry* a, const ManifestEntry* b) {
        return a->index < b->index;
    });
    return out;
}

const ManifestEntry& ImageManifest::item(std::string_view list, std::string_view name) const {
    for (const auto& e : entries_)
        if (e.list == list && e.name == name) return e;
    throw FileError("images/manifest.txt has no picture " + std::string(name) + " in " +
                    std::string(list));
}

ImageList& ImageLists::get(std::string_view list) {
    if (auto it = lists_.find(list); it != lists_.end()) return it->second;
    const auto items = manifest_.list(list);
    if (items.empty())
        throw FileError("images/manifest.txt has no image list " + std::string(list));
    ImageList images(install_);
    for (const ManifestEntry* e : items) {
        // Pictures with an alpha channel carry their own transparency; a key
        // colour applies only where the manifest names one.
        images.load(e->file, e->name, e->transparent && e->key.has_value(), e->key.value_or(Rgb{}));
    }
    return lists_.emplace(std::string(list), std::move(images)).first->second;
}

}  // namespace tb
