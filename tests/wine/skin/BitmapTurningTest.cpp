#include "SkinTestFiles.h"

#include "skin/BitmapTurning.h"
#include "support/GdiHandles.h"

#include <gtest/gtest.h>

namespace {

// Distinct colours for the pixels of a small picture.
uint32_t Distinct(int x, int y)
{
    return ((x * 13u + 7u) & 0xFFu) << 16 | ((y * 11u + 5u) & 0xFFu) << 8 | ((x * 3u + y * 5u) & 0xFFu);
}

// A skin's bitmaps are bottom-up 24-bit DIB sections, turned straight from their memory
// (checked with every test skin load, LoadSkinTest); others (a bitmap of the display's
// format, a top-down section) are copied into 32 bits first and must turn the same way.
enum class Source { Display, TopDown };

struct TurnCase { int nWidth; int nHeight; bool bClockwise; Source source; };

CUniqueBitmap MakeSource(const TurnCase& c)
{
    CUniqueBitmap bitmap;
    if (c.source == Source::Display)
    {
        CWindowDc screen(nullptr);
        bitmap.Reset(CreateCompatibleBitmap(screen.Get(), c.nWidth, c.nHeight));
    }
    else
    {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), c.nWidth, -c.nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    }
    CMemoryDc dc(CreateCompatibleDC(nullptr));
    CSelectObject select(dc.Get(), bitmap.Get());
    for (int y = 0; y < c.nHeight; ++y)
        for (int x = 0; x < c.nWidth; ++x)
            SetPixel(dc.Get(), x, y, RGB(Distinct(x, y) >> 16 & 0xFF, Distinct(x, y) >> 8 & 0xFF, Distinct(x, y) & 0xFF));
    return bitmap;
}

// The source's pixels as a bitmap of the display's format holds them (a 16-bit
// screen keeps the top 5 or 6 bits of each colour), which a turned image is made as.
std::vector<uint32_t> AsTheDisplayHoldsThem(HBITMAP hSource, int nWidth, int nHeight)
{
    CWindowDc screen(nullptr);
    CUniqueBitmap copy(CreateCompatibleBitmap(screen.Get(), nWidth, nHeight));
    CMemoryDc sourceDc(CreateCompatibleDC(screen.Get()));
    CMemoryDc copyDc(CreateCompatibleDC(screen.Get()));
    {
        CSelectObject selectSource(sourceDc.Get(), hSource);
        CSelectObject selectCopy(copyDc.Get(), copy.Get());
        BitBlt(copyDc.Get(), 0, 0, nWidth, nHeight, sourceDc.Get(), 0, 0, SRCCOPY);
    }
    return ReadPixels(copy.Get());
}

class BitmapRotation : public testing::TestWithParam<TurnCase> {};

TEST_P(BitmapRotation, EveryPixelLandsOnItsTurnedPlace)
{
    const TurnCase& c = GetParam();
    const CUniqueBitmap source = MakeSource(c);
    ASSERT_TRUE(source);
    const std::vector<uint32_t> before = AsTheDisplayHoldsThem(source.Get(), c.nWidth, c.nHeight);
    ASSERT_EQ(static_cast<size_t>(c.nWidth * c.nHeight), before.size());
    EXPECT_NE(before.front(), before.back());
    const std::vector<uint32_t> sourcePixels = ReadPixels(source.Get());

    CUniqueBitmap turned(c.bClockwise ? RotateBitmapClockwise(source.Get(), GetDesktopWindow())
                                      : RotateBitmapCounterClockwise(source.Get(), GetDesktopWindow()));
    ASSERT_TRUE(turned);
    int w = 0, h = 0;
    const std::vector<uint32_t> pixels = ReadPixels(turned.Get(), &w, &h);
    ASSERT_EQ(c.nHeight, w);
    ASSERT_EQ(c.nWidth, h);
    for (int y = 0; y < c.nHeight; ++y)
        for (int x = 0; x < c.nWidth; ++x)
        {
            const int tx = c.bClockwise ? c.nHeight - 1 - y : y;
            const int ty = c.bClockwise ? x : c.nWidth - 1 - x;
            EXPECT_EQ(before[static_cast<size_t>(y) * c.nWidth + x], pixels[static_cast<size_t>(ty) * w + tx])
                << "source pixel " << x << "," << y;
        }
    // The source is left as it was.
    EXPECT_TRUE(sourcePixels == ReadPixels(source.Get()));
}

INSTANTIATE_TEST_SUITE_P(Table, BitmapRotation, testing::Values(
    TurnCase{5, 3, true, Source::Display}, TurnCase{5, 3, false, Source::Display}, TurnCase{5, 3, true, Source::TopDown},
    TurnCase{3, 5, false, Source::TopDown}));

TEST(BitmapRotation, NothingToTurnOrNoWindowGivesNull)
{
    const CUniqueBitmap source = MakeSource(TurnCase{1, 1, true, Source::Display});
    EXPECT_EQ(nullptr, RotateBitmapClockwise(nullptr, GetDesktopWindow()));
    EXPECT_EQ(nullptr, RotateBitmapCounterClockwise(nullptr, GetDesktopWindow()));
    EXPECT_EQ(nullptr, RotateBitmapClockwise(source.Get(), nullptr));
    EXPECT_EQ(nullptr, RotateBitmapCounterClockwise(source.Get(), nullptr));
    EXPECT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(source.Get())));
}

}  // namespace
