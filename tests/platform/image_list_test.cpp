#include "platform/image_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/draw.h"
#include "support/dummy_drivers.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

using test::TempDir;

TEST(ImageList, AMissingOrBrokenFileIsAnErrorNamingIt) {
    TempDir dir;
    std::ofstream(dir.path() / "broken.bmp") << "not a picture";
    ImageList list{FileRoot(dir.path())};
    for (const char* name : {"images/pismena/pismeno07.bmp", "broken.bmp"}) {
        try {
            list.load(name);
            ADD_FAILURE() << name << " loaded";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(fs::path(name).filename().string()),
                      std::string::npos)
                << e.what();
        }
    }
    EXPECT_EQ(list.count(), 0);
    EXPECT_THROW(list[0], std::out_of_range);
}

}  // namespace
}  // namespace tb
