#include "SkinTestFiles.h"

#include "platform/AygShell.h"
#include "skin/BitmapTurning.h"
#include "support/GdiHandles.h"

#include <gtest/gtest.h>

namespace {

// Distinct colours for the pixels of a small picture.
uint32_t Distinct(int x, int y)
{
    return ((x * 13u + 7u) & 0xFFu) << 16 | ((y * 11u + 5u) & 0xFFu) << 8 | ((x * 3u + y * 5u) & 0xFFu);
}

struct TurnCase { int nWidth; int nHeight; bool bClockwise; };

class BitmapRotation : public testing::TestWithParam<TurnCase> {};

TEST_P(BitmapRotation, EveryPixelLandsOnItsTurnedPlace)
{
    const TurnCase& c = GetParam();
    CSkinTestFiles files;
    const std::wstring path = files.Write(L"ZzTurn\\picture.bmp", MakeBmpBytes(c.nWidth, c.nHeight, Distinct));
    CUniqueBitmap source(SHLoadDIBitmap(path.c_str()));
    ASSERT_TRUE(source);

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
            EXPECT_EQ(Distinct(x, y), pixels[static_cast<size_t>(ty) * w + tx])
                << "source pixel " << x << "," << y;
        }
    // The source is left as it was.
    EXPECT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(source.Get())));
    EXPECT_EQ(static_cast<size_t>(c.nWidth * c.nHeight), ReadPixels(source.Get()).size());
}

// Widths of 1, 3, 5 and 17 pixels leave rows of every padding.
INSTANTIATE_TEST_SUITE_P(Table, BitmapRotation, testing::Values(
    TurnCase{3, 2, true}, TurnCase{3, 2, false}, TurnCase{1, 4, false}, TurnCase{5, 1, true}, TurnCase{17, 9, true}));

// Bitmaps that are not bottom-up 24- or 32-bit DIB sections (a bitmap of the
// display's format, a top-down section) are copied into 32 bits first; they turn
// the same way.
TEST(BitmapRotation, OtherBitmapFormatsTurnTheSameWay)
{
    constexpr int w = 5, h = 3;
    CWindowDc screen(nullptr);
    CUniqueBitmap display(CreateCompatibleBitmap(screen.Get(), w, h));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    CUniqueBitmap topDown(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    ASSERT_TRUE(display);
    ASSERT_TRUE(topDown);
    for (HBITMAP hSource : {display.Get(), topDown.Get()})
    {
        {
            CMemoryDc dc(CreateCompatibleDC(nullptr));
            CSelectObject select(dc.Get(), hSource);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                {
                    const uint32_t c = Distinct(x, y);
                    SetPixel(dc.Get(), x, y, RGB(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF));
                }
        }
        // The display's format may round the colours; compare with what the source holds.
        const std::vector<uint32_t> source = ReadPixels(hSource);
        ASSERT_EQ(static_cast<size_t>(w * h), source.size());
        CUniqueBitmap turned(RotateBitmapClockwise(hSource, GetDesktopWindow()));
        int tw = 0, th = 0;
        const std::vector<uint32_t> pixels = ReadPixels(turned.Get(), &tw, &th);
        ASSERT_EQ(h, tw);
        ASSERT_EQ(w, th);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(source[static_cast<size_t>(y) * w + x], pixels[static_cast<size_t>(x) * tw + (h - 1 - y)])
                    << (hSource == display.Get() ? "display " : "top-down ") << x << "," << y;
        EXPECT_NE(source[0], source[w * h - 1]);
    }
}

TEST(BitmapRotation, NothingToTurnOrNoWindowGivesNull)
{
    CSkinTestFiles files;
    const std::wstring path = files.Write(L"ZzTurn\\one.bmp", MakeBmpBytes(1, 1, Distinct));
    CUniqueBitmap source(SHLoadDIBitmap(path.c_str()));
    EXPECT_EQ(nullptr, RotateBitmapClockwise(nullptr, GetDesktopWindow()));
    EXPECT_EQ(nullptr, RotateBitmapCounterClockwise(nullptr, GetDesktopWindow()));
    EXPECT_EQ(nullptr, RotateBitmapClockwise(source.Get(), nullptr));
    EXPECT_EQ(nullptr, RotateBitmapCounterClockwise(source.Get(), nullptr));
    EXPECT_EQ(OBJ_BITMAP, static_cast<int>(GetObjectType(source.Get())));
}

}  // namespace
