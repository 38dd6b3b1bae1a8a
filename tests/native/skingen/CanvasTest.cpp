#include "Canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(Canvas, RoundRectLeavesItsCornersAndFillsItsMiddle)
{
    CCanvas canvas(20, 10, COLOUR_KEY);
    canvas.FillRoundRect({0, 0, 20, 10}, 4, {0x000000, 0x000000});
    EXPECT_EQ(COLOUR_KEY, canvas.At(0, 0));
    EXPECT_EQ(COLOUR_KEY, canvas.At(19, 9));
    EXPECT_EQ(0x000000u, canvas.At(10, 0));
    EXPECT_EQ(0x000000u, canvas.At(0, 5));
    EXPECT_EQ(0x000000u, canvas.At(10, 5));
    // The corner's edge is blended, neither background nor fill.
    const Colour edge = canvas.At(1, 1);
    EXPECT_NE(COLOUR_KEY, edge);
    EXPECT_NE(0x000000u, edge);
}

TEST(Canvas, GradientRunsFromTopToBottom)
{
    CCanvas canvas(2, 3);
    canvas.FillGradient({0, 0, 2, 3}, {0x000000, 0xFEFEFE});
    EXPECT_EQ(0x000000u, canvas.At(0, 0));
    EXPECT_EQ(0x7F7F7Fu, canvas.At(1, 1));
    EXPECT_EQ(0xFEFEFEu, canvas.At(0, 2));
    CCanvas two(1, 2);
    two.FillGradient({0, 0, 1, 2}, {0x000000, 0xFEFEFE});
    EXPECT_EQ(0xFEFEFEu, two.At(0, 1));  // two rows: the second is already the end colour
}

TEST(Canvas, PolygonUsesNonZeroWindingAndStaysInside)
{
    CCanvas canvas(10, 10, 0xFFFFFF);
    canvas.FillPolygon({{2, 2}, {8, 2}, {8, 8}, {2, 8}}, 0x000000);
    EXPECT_EQ(0x000000u, canvas.At(5, 5));
    EXPECT_EQ(0xFFFFFFu, canvas.At(1, 5));
    EXPECT_EQ(0xFFFFFFu, canvas.At(8, 5));
    EXPECT_TRUE(IsInsidePolygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, 2, 2));
    EXPECT_FALSE(IsInsidePolygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, 5, 2));
}

TEST(Canvas, CropAndPasteCopyPixelsAndIgnoreTheOutside)
{
    CCanvas canvas(4, 4, 0x000000);
    canvas.Set(3, 3, 0x123456);
    const CCanvas part = canvas.Crop({2, 2, 6, 6});
    EXPECT_EQ(4, part.Width());
    EXPECT_EQ(0x123456u, part.At(1, 1));
    EXPECT_EQ(0x000000u, part.At(3, 3));  // outside the source: left black
    CCanvas target(2, 2, 0xFFFFFF);
    target.Paste(part, -1, -1);
    EXPECT_EQ(0x123456u, target.At(0, 0));
}

TEST(Canvas, MixColourWeighsBothEnds)
{
    EXPECT_EQ(0x000000u, MixColour(0x000000, 0xFFFFFF, 0));
    EXPECT_EQ(0xFFFFFFu, MixColour(0x000000, 0xFFFFFF, 255));
    EXPECT_EQ(0x808080u, MixColour(0x000000, 0xFFFFFF, 128));
}

}  // namespace
