#include "platform/image_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/draw.h"
#include "support/dummy_drivers.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

using test::TempDir;

TEST(ImageList, LoadsByPathWithoutRegardToCaseAndAppliesTheKeyColour) {
    TempDir dir;
    fs::create_directories(dir.path() / "Images" / "Pismena");
    Bitmap pic(3, 2);
    fill(pic, Rgb{10, 20, 30});
    pic.set(2, 1, Rgb{255, 0, 255}.argb());
    savePng(pic, dir.path() / "Images" / "Pismena" / "Pismeno01.png");

    ImageList list{FileRoot(dir.path())};
    Picture& item = list.load("images\\pismena\\PISMENO01.png", "", true, Rgb{255, 0, 255});
    EXPECT_EQ(item.name(), "Pismeno01");
    EXPECT_EQ(item.width(), 3);
    EXPECT_EQ(item.height(), 2);
    EXPECT_EQ(list.find("pismeno01"), 0);
    EXPECT_EQ(list.find("pismeno02"), -1);

    Bitmap screen(4, 4);
    item.draw(screen, 0, 0);
    EXPECT_EQ(screen.rgb(0, 0), (Rgb{10, 20, 30}));
    EXPECT_EQ(screen.rgb(2, 1), Rgb{}) << "key colour left the screen as it was";
}

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

TEST(ImageList, AssignedPixelsKeepTheTransparentColourAndReferencesStayValid) {
    ImageList list;
    Picture& first = list.add("Povrch1", Bitmap(2, 2), true, Rgb{});
    for (int i = 0; i < 100; ++i) list.add("x" + std::to_string(i), Bitmap(1, 1));
    Bitmap work(2, 2);
    fill(work, Rgb{1, 2, 3});
    work.set(0, 0, Rgb{}.argb());
    first.assign(work);
    EXPECT_EQ(&list[0], &first);
    Bitmap screen(2, 2);
    fill(screen, Rgb{9, 9, 9});
    list[0].draw(screen, 0, 0);
    EXPECT_EQ(screen.rgb(0, 0), (Rgb{9, 9, 9}));
    EXPECT_EQ(screen.rgb(1, 1), (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace tb
