#include "platform/image_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/image_manifest.h"
#include "support/dummy_drivers.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

// A picture, list or manifest line that cannot be read is an error naming its place.
TEST(ImageList, MissingBrokenOrMalformedFilesAreErrorsNamingTheirPlace) {
    test::TempDir dir;
    std::ofstream(dir.path() / "broken.bmp") << "not a picture";
    ImageList list{FileRoot(dir.path())};
    ImageLists lists(FileRoot(dir.path()),
                     ImageManifest::parse("L\t0\tA\timages/none.png\t1\t1\t-\t-\t0\n", "m"));
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { list.load("images/pismena/pismeno07.bmp"); }, "pismeno07.bmp"},
        {[&] { list.load("broken.bmp"); }, "broken.bmp"},
        {[&] { lists.get("L"); }, "none.png"},
        {[&] { lists.get("Other"); }, "Other"},
        {[] { ImageManifest::parse("DXMenu\tx\tA\tf.png\t1\t1\t-\t-\t0\n", "manifest.txt"); },
         "manifest.txt, line 1"},
        {[] { ImageManifest::parse("DXMenu\t0\tA\n", "manifest.txt"); }, "manifest.txt, line 1"},
        {[] {
             ImageManifest::parse("DXMenu\t0\tA\tf.png\t1\t1\t-\t-\t1\tzz0000\n", "manifest.txt");
         },
         "manifest.txt, line 1"},
    };
    for (const auto& [load, named] : cases) {
        try {
            load();
            ADD_FAILURE() << named << ": no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(named), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(list.count(), 0);
    EXPECT_THROW(list[0], std::out_of_range);
}

}  // namespace
}  // namespace tb
