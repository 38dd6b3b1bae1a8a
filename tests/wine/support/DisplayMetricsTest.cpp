#include "WineTestSupport.h"
#include "support/DisplayMetrics.h"
#include "support/DpiScale.h"
#include "support/GdiHandles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Each test starts from the state of a freshly loaded module.
class DisplayMetricsTest : public testing::Test
{
protected:
    void SetUp() override { ResetMetrics(); }
    void TearDown() override { ResetMetrics(); }
    static void ResetMetrics()
    {
        g_nLogPixelsX = g_nLogPixelsY = g_nHorzRes = g_nVertRes = 0;
        g_nScreenWidth = g_nScreenHeight = 0;
    }
};

struct ScreenExpectation
{
    int nWidth;
    int nHeight;
    ResolutionClass resolutionClass;
    ScreenOrientation orientation;
    bool bDpiForced;
};

// Every screen the suite runs on, and what the system must make of it.
const ScreenExpectation kScreens[] = {
    {240, 320, ResolutionClass::Qvga, ORIENT_PORTRAIT, false},
    {320, 240, ResolutionClass::Qvga, ORIENT_LANDSCAPE, false},
    {240, 400, ResolutionClass::Qvga, ORIENT_PORTRAIT, false},
    {480, 640, ResolutionClass::Vga, ORIENT_PORTRAIT, false},
    {800, 480, ResolutionClass::Vga, ORIENT_LANDSCAPE, false},
    {320, 320, ResolutionClass::Unsupported, ORIENT_SQUARE, true},
};

const ScreenExpectation* ThisScreen()
{
    for (const ScreenExpectation& s : kScreens)
        if (IsScreen(s.nWidth, s.nHeight))
            return &s;
    return nullptr;
}

TEST_F(DisplayMetricsTest, ReadsTheScreenOnceWithTheSquareOverride)
{
    const ScreenExpectation* pScreen = ThisScreen();
    ASSERT_NE(nullptr, pScreen) << "screen not in the table";
    HDC hdc = GetDC(nullptr);
    const int nReportedX = GetDeviceCaps(hdc, LOGPIXELSX);
    const int nReportedY = GetDeviceCaps(hdc, LOGPIXELSY);
    ReleaseDC(nullptr, hdc);

    InitDisplayMetrics();
    EXPECT_EQ(pScreen->nWidth, g_nHorzRes);
    EXPECT_EQ(pScreen->nHeight, g_nVertRes);
    EXPECT_EQ(pScreen->bDpiForced ? 110 : nReportedX, g_nLogPixelsX);
    EXPECT_EQ(pScreen->bDpiForced ? 110 : nReportedY, g_nLogPixelsY);
    if (pScreen->bDpiForced)
    {
        EXPECT_EQ(18, ScaleByDpi(16));
    }
    EXPECT_EQ(ScaleLength(26, g_nLogPixelsY), ScaleByDpi(26));

    // A second call keeps what the first one read, even values it would not read now.
    g_nLogPixelsY = 192;
    g_nHorzRes = 1;
    InitDisplayMetrics();
    EXPECT_EQ(192, g_nLogPixelsY);
    EXPECT_EQ(1, g_nHorzRes);
    EXPECT_EQ(32, ScaleByDpi(16));
    EXPECT_EQ(52, ScaleByDpi(26));
    EXPECT_EQ(-24, ScaleByDpi(-12));
}

TEST_F(DisplayMetricsTest, OrientationRecordsTheSizeAndClassIsFresh)
{
    const ScreenExpectation* pScreen = ThisScreen();
    ASSERT_NE(nullptr, pScreen);
    EXPECT_EQ(0, GetLastScreenWidth());
    EXPECT_EQ(0, GetLastScreenHeight());

    // The short side and the class query the system and leave the record alone.
    EXPECT_EQ(std::min(pScreen->nWidth, pScreen->nHeight), GetScreenShortSide());
    EXPECT_EQ(pScreen->resolutionClass, GetResolutionClass());
    EXPECT_EQ(0, GetLastScreenWidth());

    EXPECT_EQ(pScreen->orientation, GetScreenOrientation());
    EXPECT_EQ(pScreen->nWidth, GetLastScreenWidth());
    EXPECT_EQ(pScreen->nHeight, GetLastScreenHeight());

    g_nScreenWidth = 11;
    g_nScreenHeight = 22;
    EXPECT_EQ(std::min(pScreen->nWidth, pScreen->nHeight), GetScreenShortSide());
    EXPECT_EQ(11, GetLastScreenWidth());
    EXPECT_EQ(22, GetLastScreenHeight());
}

// A 32-bit top-down DIB section whose pixels the test can read.
struct CTestBitmap
{
    CUniqueBitmap hBitmap;
    DWORD* pBits = nullptr;
    int nWidth = 0;
    int nHeight = 0;

    CTestBitmap(int w, int h, DWORD dwFill) : nWidth(w), nHeight(h)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = w;
        bmi.bmiHeader.biHeight = -h;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pv = nullptr;
        hBitmap.Reset(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pv, nullptr, 0));
        pBits = static_cast<DWORD*>(pv);
        if (pBits != nullptr)
            std::fill(pBits, pBits + w * h, dwFill);
    }
    DWORD At(int x, int y) const { return pBits[y * nWidth + x] & 0xFFFFFF; }
};

TEST(BitmapMeasure, SizesOfBitmapsAndZeroForOtherObjects)
{
    const struct { int w, h; } kSizes[] = {{1, 1}, {240, 26}, {480, 52}, {7, 300}};
    for (const auto& s : kSizes)
    {
        CTestBitmap bmp(s.w, s.h, 0);
        ASSERT_TRUE(bmp.hBitmap);
        EXPECT_EQ(s.w, GetBitmapWidth(bmp.hBitmap.Get()));
        EXPECT_EQ(s.h, GetBitmapHeight(bmp.hBitmap.Get()));
    }
    CUniqueBitmap hDdb(CreateBitmap(33, 17, 1, 1, nullptr));
    EXPECT_EQ(33, GetBitmapWidth(hDdb.Get()));
    EXPECT_EQ(17, GetBitmapHeight(hDdb.Get()));

    EXPECT_EQ(0, GetBitmapWidth(nullptr));
    EXPECT_EQ(0, GetBitmapHeight(nullptr));
    CUniqueBrush hBrush(CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_EQ(0, GetBitmapWidth(reinterpret_cast<HBITMAP>(hBrush.Get())));
    EXPECT_EQ(0, GetBitmapHeight(reinterpret_cast<HBITMAP>(hBrush.Get())));
}

TEST(DrawBitmapAt, CopiesTheWholeBitmapAndRestoresTheDc)
{
    CTestBitmap target(20, 10, 0x000000);
    CTestBitmap source(4, 3, 0x00FF00);
    source.pBits[0] = 0x0000FF;  // top-left pixel marks the orientation
    CMemoryDc hdc(CreateCompatibleDC(nullptr));
    CSelectObject select(hdc.Get(), target.hBitmap.Get());
    ASSERT_TRUE(select.Succeeded());

    EXPECT_TRUE(DrawBitmapAt(hdc.Get(), 5, 2, source.hBitmap.Get()));
    GdiFlush();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
        {
            DWORD dwExpected = 0;
            if (x >= 5 && x < 9 && y >= 2 && y < 5)
                dwExpected = (x == 5 && y == 2) ? 0x0000FF : 0x00FF00;
            EXPECT_EQ(dwExpected, target.At(x, y)) << "pixel " << x << "," << y;
        }

    // The source was selected out again: it can be selected into another DC.
    CMemoryDc hdc2(CreateCompatibleDC(nullptr));
    CSelectObject select2(hdc2.Get(), source.hBitmap.Get());
    EXPECT_TRUE(select2.Succeeded());

    EXPECT_FALSE(DrawBitmapAt(hdc.Get(), 0, 0, nullptr));
}

TEST(WindowDefaultFont, DescribesTheFreshDcFontNotTheControlFont)
{
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hwnd);
    HDC hdc = GetDC(hwnd);
    LOGFONTW lfExpected = {};
    GetObjectW(GetCurrentObject(hdc, OBJ_FONT), sizeof(lfExpected), &lfExpected);
    ReleaseDC(hwnd, hdc);

    LOGFONTW lfSet = {};
    lfSet.lfHeight = -40;
    lstrcpyW(lfSet.lfFaceName, L"Courier New");
    CUniqueFont hSet(CreateFontIndirectW(&lfSet));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(hSet.Get()), FALSE);

    LOGFONTW lf;
    std::memset(&lf, 0xCC, sizeof(lf));
    EXPECT_TRUE(GetWindowDefaultFont(hwnd, &lf));
    EXPECT_EQ(lfExpected.lfHeight, lf.lfHeight);
    EXPECT_EQ(lfExpected.lfWeight, lf.lfWeight);
    EXPECT_EQ(std::wstring(lfExpected.lfFaceName), std::wstring(lf.lfFaceName));
    EXPECT_NE(-40, lf.lfHeight);

    EXPECT_FALSE(GetWindowDefaultFont(hwnd, nullptr));

    // The DC went back with its own font: a fresh DC still holds the default.
    hdc = GetDC(hwnd);
    LOGFONTW lfAfter = {};
    GetObjectW(GetCurrentObject(hdc, OBJ_FONT), sizeof(lfAfter), &lfAfter);
    ReleaseDC(hwnd, hdc);
    EXPECT_EQ(lfExpected.lfHeight, lfAfter.lfHeight);
    DestroyWindow(hwnd);
}

TEST(WindowDefaultFont, FailsWithoutAWindowDc)
{
    LOGFONTW lf = {};
    lf.lfHeight = 1234;
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(hwnd);
    EXPECT_FALSE(GetWindowDefaultFont(hwnd, &lf));
    EXPECT_EQ(1234, lf.lfHeight);
}

}  // namespace
