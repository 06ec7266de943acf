#include "platform/text_painter.h"

#include <gtest/gtest.h>

namespace tb {
namespace {

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

}  // namespace
}  // namespace tb
