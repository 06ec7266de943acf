#include "platform/image_manifest.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tb {
namespace {

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

}  // namespace
}  // namespace tb
