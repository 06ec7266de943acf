#include "platform/draw.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/image_list.h"
#include "platform/image_manifest.h"
#include "platform/text_painter.h"
#include "support/dummy_drivers.h"
#include "support/temp_dir.h"

namespace tb {
namespace {

constexpr Rgb kRed{200, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 180, 0};

Bitmap filled(int w, int h, Rgb c) {
    Bitmap b(w, h);
    fill(b, c);
    return b;
}

TEST(Draw, TransparentColourIsSkippedOnlyWhenTheItemSaysSo) {
    // A 2x1 picture: the key colour (green) and blue.
    Bitmap pic = filled(2, 1, kBlue);
    pic.set(0, 0, kGreen.argb());
    struct Case {
        bool transparent;
        Rgb left;
    } cases[] = {{true, kRed}, {false, kGreen}};
    for (const Case& c : cases) {
        const Picture item("x", pic, c.transparent, kGreen);
        Bitmap dst = filled(4, 4, kRed);
        item.draw(dst, 1, 1);
        EXPECT_EQ(dst.rgb(1, 1), c.left) << c.transparent;
        EXPECT_EQ(dst.rgb(2, 1), kBlue);
        EXPECT_EQ(dst.rgb(0, 0), kRed);
        // Stretched drawing honours the key as well.
        Bitmap big = filled(8, 2, kRed);
        item.stretchDraw(big, {0, 0, 8, 2});
        EXPECT_EQ(big.rgb(3, 1), c.left);
        EXPECT_EQ(big.rgb(4, 0), kBlue);
    }
}

TEST(Draw, EverythingIsClippedToTheDestination) {
    const Bitmap pic = filled(5, 5, kBlue);
    Bitmap dst = filled(4, 4, kRed);
    copyOpaque(dst, -3, -3, pic);
    draw(dst, 3, 3, pic);
    stretchDraw(dst, {-10, 2, 12, 40}, pic);
    drawAdd(dst, {3, -8, 9, 9}, pic, 255);
    drawRotate(dst, 0, 0, 30, 30, pic, 40);
    fillRect(dst, {-1, -1, 1, 9}, kGreen);  // wholly outside
    EXPECT_EQ(dst.rgb(0, 0), kBlue);
    EXPECT_EQ(dst.rgb(3, 3), kBlue);
    // Nothing touched a pixel the operations do not cover.
    Bitmap untouched = filled(4, 4, kRed);
    draw(untouched, 4, 0, pic);
    draw(untouched, -5, 0, pic);
    stretchDraw(untouched, {0, 0, 0, 3}, pic);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(untouched.rgb(x, y), kRed);
}

TEST(TextPainter, FamiliesOfTheScreensResolveToInstalledMetricTwins) {
    struct Case {
        const char* family;
        bool bold;
        const char* file;
    } cases[] = {
        {"Times New Roman", false, "LiberationSerif-Regular"},
        {"Arial", false, "LiberationSans-Regular"},
        {"Arial", true, "LiberationSans-Bold"},
        {"Arial Black", false, "LiberationSans-Bold"},
    };
    for (const Case& c : cases)
        EXPECT_NE(TextPainter::fontFile(c.family, c.bold).find(c.file), std::string::npos)
            << c.family << " -> " << TextPainter::fontFile(c.family, c.bold);
    EXPECT_FALSE(TextPainter::fontFile("Verdana", true).empty());
}

TEST(TextPainter, CentringRoundsTowardsZeroAndLetsWideTextStartLeftOfTheBox) {
    struct Case {
        int left, box, width, x;
    } cases[] = {
        {853, 120, 60, 883}, {853, 120, 61, 882}, {854, 40, 41, 854},
        {854, 40, 43, 853},  {871, 79, 200, 811}, {0, 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextPainter::centredLeft(c.left, c.box, c.width), c.x)
            << c.left << " " << c.box << " " << c.width;
}

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
