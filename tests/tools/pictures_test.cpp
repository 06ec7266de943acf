// Every picture the game loads is in the installation root, of the size the
// manifest states, and the game's own controls lie inside their windows.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tools/installed_files.h"

namespace {

using tbtest::installRoot;
using tbtest::ManifestLine;
using tbtest::Size;

TEST(Pictures, EveryManifestFileExistsWithItsStatedSize) {
    const auto lines = tbtest::readManifest();
    ASSERT_GT(lines.size(), 300u);
    std::set<std::string> files;
    for (const ManifestLine& l : lines) {
        SCOPED_TRACE(l.list + "/" + l.name);
        EXPECT_TRUE(files.insert(l.file).second) << "two items share " << l.file;
        const auto size = tbtest::pictureSize(installRoot() / l.file);
        ASSERT_TRUE(size.has_value()) << l.file << " is missing or not a picture";
        EXPECT_EQ(*size, (Size{l.w, l.h}));
    }
}

// The room left for the game's own controls lies inside its window's picture.
TEST(Pictures, ControlsLaidOutInsideTheirWindows) {
    std::map<std::string, Size> windowSize;
    for (const ManifestLine& l : tbtest::readManifest())
        if (l.index == 0) windowSize[l.list] = {l.w, l.h};
    std::ifstream in(installRoot() / "images/layout.txt");
    std::string line;
    int controls = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream f(line);
        std::string window, control;
        double x, y, w, h;
        std::getline(f, window, '\t');
        std::getline(f, control, '\t');
        f >> x >> y >> w >> h;
        SCOPED_TRACE(window + " " + control);
        ASSERT_TRUE(windowSize.count(window));
        EXPECT_GE(x, 0);
        EXPECT_GE(y, 0);
        EXPECT_LE(x + w, windowSize[window].w);
        EXPECT_LE(y + h, windowSize[window].h);
        ++controls;
    }
    EXPECT_GT(controls, 50);  // the 38 letter labels alone
}

}  // namespace
