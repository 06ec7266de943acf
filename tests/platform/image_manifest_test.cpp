#include "platform/image_manifest.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tb {
namespace {

TEST(ImageManifest, ListsComeInIndexOrderWithPlacesAndKeys) {
    const auto m = ImageManifest::parse(
        "# list\tindex\tname\tfile\tw\th\tx\ty\ttransparent\r\n"
        "DXMenu\t1\tNextON\timages/a/NextON.png\t45\t45\t911\t469\t0\r\n"
        "DXMenu\t0\tNextOFF\timages/a/NextOFF.png\t45\t45\t911\t469\t0\r\n"
        "DXIntro\t1\tL2\timages/i/L2.bmp\t106\t158\t-\t-\t1\t000000\n",
        "manifest.txt");
    const auto menu = m.list("DXMenu");
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[0]->name, "NextOFF");
    EXPECT_EQ(menu[1]->x, 911);
    const auto& l2 = m.item("DXIntro", "L2");
    EXPECT_FALSE(l2.x.has_value());
    EXPECT_TRUE(l2.transparent);
    EXPECT_EQ(l2.key, Rgb{});
    EXPECT_TRUE(m.list("Nothing").empty());
    EXPECT_THROW(m.item("DXMenu", "Nothing"), FileError);
}

TEST(ImageManifest, MalformedLinesAndMissingPicturesNameTheirPlace) {
    for (const char* bad : {"DXMenu\tx\tA\tf.png\t1\t1\t-\t-\t0\n", "DXMenu\t0\tA\n",
                            "DXMenu\t0\tA\tf.png\t1\t1\t-\t-\t1\tzz0000\n"}) {
        try {
            ImageManifest::parse(bad, "manifest.txt");
            ADD_FAILURE() << bad;
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("manifest.txt, line 1"), std::string::npos);
        }
    }
    test::TempDir dir;
    ImageLists lists(FileRoot(dir.path()),
                     ImageManifest::parse("L\t0\tA\timages/none.png\t1\t1\t-\t-\t0\n", "m"));
    try {
        lists.get("L");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("none.png"), std::string::npos);
    }
    EXPECT_THROW(lists.get("Other"), FileError);
}

TEST(ImageManifest, TheBuiltManifestLoadsEveryList) {
    const FileRoot root(TB_ROOT_DIR);
    const auto m = ImageManifest::load(root);
    ImageLists lists(root, m);
    EXPECT_EQ(lists.get("DXPismeno").count(), 38);
    EXPECT_EQ(lists.get("Form1.DXMenu").count(), 27);
}

}  // namespace
}  // namespace tb
