// Pictures that must look different do: every letter tile is its own, and a
// button's OFF, ON and Down faces can be told apart.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/game/tiles.h"
#include "tools/installed_files.h"

namespace {

std::string pixelsOf(const std::filesystem::path& p) {
    const std::string all = tbtest::readBytes(p, std::filesystem::file_size(p));
    // Skip the file header: for PNG the compressed stream still differs when
    // the pixels do, for BMP the pixels follow byte 54.
    return all.substr(all.compare(0, 2, "BM") == 0 ? 54 : 33);
}

TEST(Faces, EveryLetterTileIsDifferent) {
    std::set<std::string> seen;
    for (int kod = 1; kod <= 38; ++kod)
        EXPECT_TRUE(seen.insert(pixelsOf(tbtest::installRoot() / tb::letterImagePath(kod))).second)
            << "tile " << kod << " repeats an earlier one";
}

TEST(Faces, ButtonFacesDifferFromEachOther) {
    // Group the faces of each button: same list, same name without its face suffix.
    std::map<std::string, std::vector<std::string>> buttons;
    for (const auto& l : tbtest::readManifest()) {
        for (const char* face : {"OFF", "Off", "ON", "On", "Down"}) {
            const std::string f = face;
            if (l.name.size() > f.size() && l.name.ends_with(f)) {
                buttons[l.list + "/" + l.name.substr(0, l.name.size() - f.size())].push_back(
                    l.file);
                break;
            }
        }
    }
    EXPECT_GT(buttons.size(), 60u);
    for (const auto& [button, files] : buttons) {
        SCOPED_TRACE(button);
        std::set<std::string> looks;
        for (const auto& f : files) looks.insert(pixelsOf(tbtest::installRoot() / f));
        EXPECT_EQ(looks.size(), files.size());
    }
}

}  // namespace
