#include "platform/draw.h"

#include <gtest/gtest.h>

#include "platform/image_list.h"

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

TEST(Draw, AdditiveAndAlphaStrengths) {
    const Bitmap src = filled(2, 2, Rgb{100, 100, 255});
    struct Case {
        bool additive;
        int strength;
        Rgb expected;
    } cases[] = {
        {true, 0, {100, 50, 0}},      {true, 255, {200, 150, 255}},
        {true, 128, {150, 100, 128}}, {true, 999, {200, 150, 255}},  // clamped
        {false, 0, {100, 50, 0}},     {false, 255, {100, 100, 255}},
        {false, 128, {100, 75, 128}}, {false, -5, {100, 50, 0}},
    };
    for (const Case& c : cases) {
        Bitmap dst = filled(4, 4, Rgb{100, 50, 0});
        if (c.additive)
            drawAdd(dst, {1, 1, 2, 2}, src, c.strength);
        else
            drawAlpha(dst, {1, 1, 2, 2}, src, c.strength);
        EXPECT_EQ(dst.rgb(2, 2), c.expected) << c.additive << " " << c.strength;
        EXPECT_EQ(dst.rgb(0, 0), (Rgb{100, 50, 0})) << "outside the rectangle";
    }
    // Adding saturates each channel instead of wrapping.
    Bitmap bright = filled(1, 1, Rgb{250, 250, 250});
    drawAdd(bright, {0, 0, 1, 1}, src, 255);
    EXPECT_EQ(bright.rgb(0, 0), (Rgb{255, 255, 255}));
}

TEST(Draw, StretchMapsEachSourcePixelOntoItsShareOfTheRectangle) {
    Bitmap pic = filled(2, 1, kBlue);
    pic.set(1, 0, kGreen.argb());
    Bitmap dst = filled(10, 4, kRed);
    stretchDraw(dst, {2, 1, 6, 2}, pic);
    for (int x = 0; x < 10; ++x) {
        const Rgb want = x < 2 || x >= 8 ? kRed : x < 5 ? kBlue : kGreen;
        EXPECT_EQ(dst.rgb(x, 1), want) << x;
        EXPECT_EQ(dst.rgb(x, 2), want) << x;
        EXPECT_EQ(dst.rgb(x, 3), kRed) << x;
    }
}

TEST(Draw, RotationKeepsTheCentreAndTurnsClockwise) {
    // 10x10, transparent except a blue 2x2 middle and a green arm to the right.
    Bitmap pic = filled(10, 10, kRed);
    for (int y = 4; y < 6; ++y)
        for (int x = 4; x < 10; ++x) pic.set(x, y, (x < 6 ? kBlue : kGreen).argb());
    const Picture item("cog", pic, true, kRed);
    struct Case {
        int angle;
        int armX, armY;  // a pixel at the end of the arm
    } cases[] = {{0, 24, 20}, {64, 20, 24}, {128, 15, 20}, {192, 20, 15}, {256, 24, 20}};
    for (const Case& c : cases) {
        Bitmap dst = filled(40, 40, Rgb{});
        item.drawRotate(dst, 20, 20, 10, 10, c.angle);
        EXPECT_EQ(dst.rgb(19, 19), kBlue) << c.angle;
        EXPECT_EQ(dst.rgb(20, 20), kBlue) << c.angle;
        EXPECT_EQ(dst.rgb(c.armX, c.armY), kGreen) << c.angle;
        EXPECT_EQ(dst.rgb(39 - c.armX, 39 - c.armY), Rgb{}) << "transparent part, " << c.angle;
    }
}

TEST(Draw, MaskAndPanelCombineByRasterOps) {
    // Mask black where the panel is opaque; panel black where it is see-through.
    Bitmap mask = filled(2, 1, Rgb{255, 255, 255});
    mask.set(0, 0, Rgb{}.argb());
    Bitmap panel = filled(2, 1, Rgb{});
    panel.set(0, 0, kGreen.argb());
    Bitmap dst = filled(3, 1, kRed);
    rasterOp(dst, 1, 0, mask, RasterOp::And);
    rasterOp(dst, 1, 0, panel, RasterOp::Or);
    EXPECT_EQ(dst.rgb(0, 0), kRed);
    EXPECT_EQ(dst.rgb(1, 0), kGreen);
    EXPECT_EQ(dst.rgb(2, 0), kRed);
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

}  // namespace
}  // namespace tb
