#include "support/ScreenRules.h"

#include <gtest/gtest.h>

namespace {

struct ScreenCase
{
    int nWidth;
    int nHeight;
    ResolutionClass expectedClass;
    ScreenOrientation expectedOrientation;
    int nExpectedShortSide;
};

class ScreenRulesTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(ScreenRulesTest, ClassifiesAndOrients)
{
    const ScreenCase& c = GetParam();
    EXPECT_EQ(c.expectedClass, ClassifyResolution(c.nWidth, c.nHeight)) << c.nWidth << "x" << c.nHeight;
    EXPECT_EQ(c.expectedOrientation, OrientationOf(c.nWidth, c.nHeight)) << c.nWidth << "x" << c.nHeight;
    EXPECT_EQ(c.nExpectedShortSide, ShortSideOf(c.nWidth, c.nHeight)) << c.nWidth << "x" << c.nHeight;
}

constexpr auto Qvga = ResolutionClass::Qvga;
constexpr auto Vga = ResolutionClass::Vga;
constexpr auto None = ResolutionClass::Unsupported;

INSTANTIATE_TEST_SUITE_P(Supported, ScreenRulesTest, testing::Values(
    ScreenCase{240, 320, Qvga, ORIENT_PORTRAIT, 240},
    ScreenCase{320, 240, Qvga, ORIENT_LANDSCAPE, 240},
    ScreenCase{240, 400, Qvga, ORIENT_PORTRAIT, 240},
    ScreenCase{400, 240, Qvga, ORIENT_LANDSCAPE, 240},
    ScreenCase{480, 640, Vga, ORIENT_PORTRAIT, 480},
    ScreenCase{640, 480, Vga, ORIENT_LANDSCAPE, 480},
    ScreenCase{480, 800, Vga, ORIENT_PORTRAIT, 480},
    ScreenCase{800, 480, Vga, ORIENT_LANDSCAPE, 480}));

// Near misses: the right numbers on the wrong side, squares, and sizes of
// other devices.
INSTANTIATE_TEST_SUITE_P(Unsupported, ScreenRulesTest, testing::Values(
    ScreenCase{240, 240, None, ORIENT_SQUARE, 240},
    ScreenCase{320, 320, None, ORIENT_SQUARE, 320},
    ScreenCase{480, 480, None, ORIENT_SQUARE, 480},
    ScreenCase{320, 400, None, ORIENT_PORTRAIT, 320},
    ScreenCase{640, 800, None, ORIENT_PORTRAIT, 640},
    ScreenCase{240, 640, None, ORIENT_PORTRAIT, 240},
    ScreenCase{1024, 768, None, ORIENT_LANDSCAPE, 768},
    ScreenCase{-240, -320, None, ORIENT_LANDSCAPE, -320}));

struct OverrideCase { int nHorzRes; int nVertRes; ScreenDpi reported; ScreenDpi expected; };

class DpiOverrideTest : public testing::TestWithParam<OverrideCase> {};

TEST_P(DpiOverrideTest, OnlyThe320SquareIsForcedTo110)
{
    const OverrideCase& c = GetParam();
    const ScreenDpi got = ApplyDpiOverride(c.reported, c.nHorzRes, c.nVertRes);
    EXPECT_EQ(c.expected.nLogPixelsX, got.nLogPixelsX) << c.nHorzRes << "x" << c.nVertRes;
    EXPECT_EQ(c.expected.nLogPixelsY, got.nLogPixelsY) << c.nHorzRes << "x" << c.nVertRes;
}

INSTANTIATE_TEST_SUITE_P(Table, DpiOverrideTest, testing::Values(
    OverrideCase{320, 320, {96, 96}, {110, 110}},
    OverrideCase{320, 320, {192, 128}, {110, 110}},
    OverrideCase{240, 240, {96, 96}, {96, 96}},
    OverrideCase{320, 240, {96, 96}, {96, 96}}));

}  // namespace
