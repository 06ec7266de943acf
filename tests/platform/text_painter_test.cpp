#include "platform/text_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "files/text.h"
#include "platform/draw.h"

namespace tb {
namespace {

// Columns of `b` inside `r` that hold a pixel different from `bg`.
std::pair<int, int> inkColumns(const Bitmap& b, Rgb bg) {
    int lo = b.width(), hi = -1;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.rgb(x, y) != bg) lo = std::min(lo, x), hi = std::max(hi, x);
    return {lo, hi};
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

TEST(TextPainter, TextIsDrawnWhereItIsMeasuredInItsColour) {
    TextPainter tp;
    const Font font{"Verdana", 16, true, Rgb{255, 255, 255}};
    const std::string text = utf8ToCp1250("Průběh hry");
    const int w = tp.textWidth(font, text);
    EXPECT_GT(w, 40);
    EXPECT_GT(tp.textWidth(font, text + "x"), w);
    EXPECT_EQ(tp.textWidth(font, ""), 0);

    Bitmap screen(300, 40);
    const int x = TextPainter::centredLeft(50, 200, w);
    tp.textOut(screen, x, 10, font, text);
    const auto [lo, hi] = inkColumns(screen, Rgb{});
    EXPECT_GE(lo, x);
    EXPECT_LE(hi, x + w);
    // Centred within a couple of pixels of side bearing.
    EXPECT_NEAR((lo + hi) / 2.0, 150, 3);
    bool white = false;
    for (int yy = 0; yy < 40; ++yy)
        for (int xx = 0; xx < 300; ++xx) white |= screen.rgb(xx, yy) == Rgb{255, 255, 255};
    EXPECT_TRUE(white);
}

TEST(TextPainter, SolidBrushFillsTheTextBoxTransparentLeavesTheBackground) {
    TextPainter tp;
    const Font font{"Times New Roman", 21, false, Rgb{128, 128, 128}};
    const Rgb bg{0, 90, 0};
    for (bool solid : {false, true}) {
        Bitmap screen(200, 40);
        fill(screen, bg);
        tp.textOut(screen, 10, 5, font, "Hra", solid ? std::optional<Rgb>(Rgb{}) : std::nullopt);
        // The top-left corner of the box is never ink.
        EXPECT_EQ(screen.rgb(10, 5), solid ? Rgb{} : bg) << solid;
        EXPECT_EQ(screen.rgb(9, 5), bg);
    }
}

}  // namespace
}  // namespace tb
