#include "WineTestSupport.h"
#include "support/DisplayMetrics.h"
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

TEST_F(DisplayMetricsTest, ReadsTheScreenOnceAndItsOrientationEveryTime)
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

    // A second call keeps what the first one read, even values it would not
    // read now, and scaling follows them (its rounding is checked natively).
    g_nLogPixelsY = 192;
    g_nHorzRes = 1;
    InitDisplayMetrics();
    EXPECT_EQ(192, g_nLogPixelsY);
    EXPECT_EQ(1, g_nHorzRes);
    EXPECT_EQ(32, ScaleByDpi(16));

    // The orientation records the size; the short side and the class query the
    // system afresh and leave the record alone.
    ResetMetrics();
    EXPECT_EQ(0, GetLastScreenWidth());
    EXPECT_EQ(0, GetLastScreenHeight());
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
    EXPECT_FALSE(GetWindowDefaultFont(hwnd, nullptr));

    // Without a window there is no DC, and nothing is written.
    HWND hwndGone = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(hwndGone);
    LOGFONTW lfKept = {};
    lfKept.lfHeight = 1234;
    EXPECT_FALSE(GetWindowDefaultFont(hwndGone, &lfKept));
    EXPECT_EQ(1234, lfKept.lfHeight);
    DestroyWindow(hwnd);
}

}  // namespace
