// The artwork linked into the module as resources: loaded back from the test
// program (which carries the same resources) and checked pixel by pixel.
#include "WineTestSupport.h"
#include "skin/SkinTestFiles.h"
#include "resources/resource.h"
#include "sip/BarLayout.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

bool LoadResourcePixels(int nId, Pixels& pixels)
{
    HBITMAP hBitmap = LoadBitmapW(g_hInstance, MAKEINTRESOURCEW(nId));
    pixels.values = ReadPixels(hBitmap, &pixels.nWidth, &pixels.nHeight);
    const bool bOk = !pixels.values.empty();
    if (hBitmap != nullptr)
        DeleteObject(hBitmap);
    return bOk;
}

struct BarCase
{
    const char* pszName;
    const BarButtonLayout& (*pfnLayout)();
    int nWidth;
    int nHeight;
};

class BarArt : public testing::TestWithParam<BarCase> {};

TEST_P(BarArt, BarAndPressedImagesHaveTheirSizesAndEveryButtonShowsACaptionAndLooksPressed)
{
    const BarButtonLayout& layout = GetParam().pfnLayout();
    Pixels bar;
    ASSERT_TRUE(LoadResourcePixels(layout.nBarBitmapId, bar));
    EXPECT_EQ(GetParam().nWidth, bar.nWidth);
    EXPECT_EQ(GetParam().nHeight, bar.nHeight);
    for (int i = 0; i < kBarButtonCount; ++i)
    {
        const BarRect& rc = layout.aRects[i];
        const int w = rc.right - rc.left, h = rc.bottom - rc.top;
        EXPECT_GE(Contrast(bar, rc.left + w / 5, rc.top + h / 5, rc.right - w / 5, rc.bottom - h / 5), 100)
            << "button " << i << " is blank";
        Pixels pressed;
        ASSERT_TRUE(LoadResourcePixels(layout.aPressedIds[i], pressed)) << "button " << i;
        ASSERT_EQ(rc.right - rc.left, pressed.nWidth) << "button " << i;
        ASSERT_EQ(rc.bottom - rc.top, pressed.nHeight) << "button " << i;
        // Drawn over the bar at the rectangle, the pressed image must change the button.
        long long nChanged = 0, nCount = 0;
        for (int y = 0; y < pressed.nHeight && rc.top + y < bar.nHeight; ++y)
            for (int x = 0; x < pressed.nWidth; ++x, ++nCount)
                nChanged += pressed.At(x, y) != bar.At(rc.left + x, rc.top + y) ? 1 : 0;
        EXPECT_GT(nChanged * 2, nCount) << "button " << i << " barely changes when pressed";
        EXPECT_GE(Contrast(pressed, pressed.nWidth / 5, pressed.nHeight / 5, pressed.nWidth * 4 / 5,
                           pressed.nHeight * 4 / 5),
                  100)
            << "pressed button " << i << " lost its caption";
        EXPECT_EQ(0, std::count(pressed.values.begin(), pressed.values.end(), kMagenta)) << "button " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, BarArt,
                         testing::Values(BarCase{"Qvga", &GetQvgaBarLayout, 240, 54},
                                         BarCase{"Vga", &GetVgaBarLayout, 480, 108}),
                         [](const testing::TestParamInfo<BarCase>& info) { return std::string(info.param.pszName); });

struct IconCase
{
    int nId;
    int nSize;
};

class IconArt : public testing::TestWithParam<IconCase> {};

TEST_P(IconArt, StripHoldsTwoSquareImagesWithHardMagentaEdges)
{
    const int n = GetParam().nSize;
    Pixels strip;
    ASSERT_TRUE(LoadResourcePixels(GetParam().nId, strip));
    ASSERT_EQ(2 * n, strip.nWidth);
    ASSERT_EQ(n, strip.nHeight);
    for (int image = 0; image < 2; ++image)
    {
        const int x0 = image * n;
        EXPECT_EQ(kMagenta, strip.At(x0, 0)) << "image " << image;
        EXPECT_EQ(kMagenta, strip.At(x0 + n - 1, n - 1)) << "image " << image;
        EXPECT_NE(kMagenta, strip.At(x0 + n / 2, n / 2)) << "image " << image;
        EXPECT_GE(Contrast(strip, x0 + n / 8, n / 4, x0 + n * 7 / 8, n * 3 / 4), 100) << "image " << image;
    }
    // No pink fringe: every pixel is exactly transparent or clearly not magenta.
    for (std::uint32_t v : strip.values)
    {
        const bool bPinkish = ((v >> 16) & 0xFF) > 160 && ((v >> 8) & 0xFF) < 100 && (v & 0xFF) > 160;
        EXPECT_TRUE(v == kMagenta || !bPinkish) << std::hex << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Strips, IconArt,
                         testing::Values(IconCase{IDB_ICONS_SMALL, 16}, IconCase{IDB_ICONS_LARGE, 32}));

struct BannerCase
{
    int nId;
    int nWidth;
    int nHeight;
    int nShownWidth;  // the screen width it is centred on
};

class BannerArt : public testing::TestWithParam<BannerCase> {};

// The dialog centres a banner on a screen narrower than the banner: the name and
// version must sit in the part that stays visible.
TEST_P(BannerArt, HasItsSizeAndKeepsItsTextInTheVisibleMiddle)
{
    const BannerCase& c = GetParam();
    Pixels banner;
    ASSERT_TRUE(LoadResourcePixels(c.nId, banner));
    ASSERT_EQ(c.nWidth, banner.nWidth);
    ASSERT_EQ(c.nHeight, banner.nHeight);
    const int nCut = (c.nWidth - c.nShownWidth) / 2;
    int nBrightInside = 0, nBrightOutside = 0;
    for (int y = 0; y < c.nHeight * 9 / 10; ++y)
        for (int x = 0; x < c.nWidth; ++x)
            if (Luminance(banner.At(x, y)) > 200)
                ++(x < nCut || x >= c.nWidth - nCut ? nBrightOutside : nBrightInside);
    EXPECT_EQ(0, nBrightOutside);
    EXPECT_GT(nBrightInside, c.nWidth * c.nHeight / 50) << "no text to speak of";
}

INSTANTIATE_TEST_SUITE_P(Banners, BannerArt,
                         testing::Values(BannerCase{IDB_BANNER_QVGA_WIDE, 400, 50, 320},
                                         BannerCase{IDB_BANNER_QVGA_NARROW, 320, 60, 240},
                                         BannerCase{IDB_BANNER_VGA_WIDE, 800, 100, 640},
                                         BannerCase{IDB_BANNER_VGA_NARROW, 640, 120, 480}));

}  // namespace
