// Every picture the game loads is in the installation root, of the size and
// at the place the game draws it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/tiles.h"
#include "tools/installed_files.h"

namespace {

using tbtest::installRoot;
using tbtest::ManifestLine;
using tbtest::Size;

struct Expected {
    const char* list;
    const char* name;
    int w, h;
    int x = -1, y = -1;  // -1: the place is not fixed
};

// Sizes and places the screens are laid out for.
const Expected kExpected[] = {
    {"Form1", "Pozadi", 1024, 768, 0, 0},
    {"Form1", "HraciPlocha", 570, 569, 129, 98},
    {"Form1", "Panel1", 360, 60, 235, 707},
    {"Form1", "Panel2", 360, 60, 235, 4},
    {"Form1", "Panel3", 60, 360, 16, 200},
    {"Form1", "Panel4", 60, 360, 744, 200},
    {"Form1", "PanelX", 360, 60},
    {"Form1", "PanelY", 60, 360},
    {"Form1", "Body3", 166, 60, 830, 209},
    {"Form1", "Body4", 166, 60, 830, 274},
    {"Form1.DXMenu", "NextOFF", 45, 45, 911, 469},
    {"Form1.DXMenu", "ChangeOff", 45, 45, 868, 469},
    {"Form1.DXMenu", "BackDown", 50, 50, 860, 512},
    {"Form1.DXMenu", "FFON", 50, 50, 910, 512},
    {"Form1.DXMenu", "KontrolaDown", 60, 20, 849, 566},
    {"Form1.DXMenu", "PrubehON", 60, 20, 914, 566},
    {"Form1.DXMenu", "TipOFF", 50, 20, 859, 591},
    {"Form1.DXMenu", "PoctyDown", 50, 20, 914, 591},
    {"Form1.DXMenu", "MenuDown", 61, 20, 882, 616},
    {"DXImageList1", "Povrch1", 1024, 768, 0, 0},
    {"DXImageList1", "KV", 34, 32},
    {"DXImageList1", "CAS", 170, 72, 829, 688},
};

// The lists the game indexes by number, with their lengths and some names at
// their indices.
const std::map<std::string, std::vector<std::pair<int, std::string>>> kIndexed = {
    {"Form1.DXMenu", {{0, "NextOFF"}, {3, "ChangeOff"}, {14, "KontrolaDown"}, {26, "MenuDown"}}},
    {"DXImageList1",
     {{0, "Povrch1"}, {1, "KurzorA"}, {2, "KurzorV"}, {3, "KV"}, {6, "CAS"}, {7, "Povrch2"}}},
};
const std::map<std::string, int> kListLength = {
    {"Form1.DXMenu", 27}, {"DXImageList1", 8}, {"DXPismeno", 38}};

std::map<std::pair<std::string, std::string>, ManifestLine> byName() {
    std::map<std::pair<std::string, std::string>, ManifestLine> m;
    for (const ManifestLine& l : tbtest::readManifest()) m[{l.list, l.name}] = l;
    return m;
}

TEST(Pictures, EveryManifestFileExistsWithItsStatedSize) {
    const auto lines = tbtest::readManifest();
    ASSERT_GE(lines.size(), 38u);
    std::set<std::string> files;
    for (const ManifestLine& l : lines) {
        SCOPED_TRACE(l.list + "/" + l.name);
        EXPECT_TRUE(files.insert(l.file).second) << "two items share " << l.file;
        const auto size = tbtest::pictureSize(installRoot() / l.file);
        ASSERT_TRUE(size.has_value()) << l.file << " is missing or not a picture";
        EXPECT_EQ(*size, (Size{l.w, l.h}));
    }
}

TEST(Pictures, ScreenPicturesHaveTheirLayoutSizeAndPlace) {
    const auto m = byName();
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(std::string(e.list) + "/" + e.name);
        const auto it = m.find({e.list, e.name});
        ASSERT_NE(it, m.end());
        EXPECT_EQ((Size{it->second.w, it->second.h}), (Size{e.w, e.h}));
        if (e.x >= 0) {
            EXPECT_EQ(it->second.x, e.x);
            EXPECT_EQ(it->second.y, e.y);
        }
    }
}

TEST(Pictures, ListsHaveTheirLengthAndOrder) {
    std::map<std::string, std::vector<ManifestLine>> lists;
    for (const ManifestLine& l : tbtest::readManifest()) lists[l.list].push_back(l);
    for (const auto& [list, length] : kListLength) {
        SCOPED_TRACE(list);
        ASSERT_EQ(int(lists[list].size()), length);
        for (int i = 0; i < length; ++i) EXPECT_EQ(lists[list][i].index, i);
    }
    for (const auto& [list, names] : kIndexed)
        for (const auto& [index, name] : names) {
            SCOPED_TRACE(list + " " + name);
            ASSERT_LT(index, int(lists[list].size()));
            EXPECT_EQ(lists[list][index].name, name);
        }
}

TEST(Pictures, EveryLetterTileIsA32PixelBitmap) {
    for (int kod = 1; kod <= 38; ++kod) {
        const auto file = installRoot() / tb::letterImagePath(kod);
        SCOPED_TRACE(file.string());
        const std::string header = tbtest::readBytes(file, 54);
        ASSERT_EQ(header.size(), 54u);
        EXPECT_EQ(header.substr(0, 2), "BM");
        EXPECT_EQ(tbtest::le32(header, 18), 32u);
        EXPECT_EQ(tbtest::le32(header, 22), 32u);
        EXPECT_EQ(tbtest::le16(header, 28), 24u);  // bits per pixel: SDL_LoadBMP reads it
        EXPECT_EQ(std::filesystem::file_size(file), 54u + 32 * 32 * 3);
    }
}

}  // namespace
