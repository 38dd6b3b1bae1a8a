#include "faults/ImportRedirect.h"
#include "sip/BarLayout.h"
#include "sip/RecordingCallback.h"
#include "sip/SipHost.h"
#include "sip/SipActions.h"
#include "sip/SipPanel.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"
#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

// A point that hits nothing: below the window, as a captured drag reports it.
constexpr int kOffX = 5;
constexpr int kOffY = 0xFFF0;

bool IsVga()
{
    return GetResolutionClass() == ResolutionClass::Vga;
}

// The SIP manager's part: a SIP window, a selected and shown input method with
// a recording callback; taps as the bar's mouse messages.
class SipBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Ready());
        m_hwndBar = m_host.Bar();
        m_pPanel = &m_host.Panel();
        FlushEvents();
    }

    void TearDown() override
    {
        m_host.Release();
        g_bInitializing = FALSE;
        EXPECT_EQ(1, m_callback.References());
    }

    void Down(int x, int y) { SendMessageW(m_hwndBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Move(int x, int y) { SendMessageW(m_hwndBar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Up(int x, int y) { SendMessageW(m_hwndBar, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    int BarLeftNow() const
    {
        RECT rc = {};
        GetClientRect(m_hwndBar, &rc);
        return BarLeft(rc.left, rc.right, GetBitmapWidth(g_hBarBitmap));
    }

    CSipHost m_host;
    CRecordingCallback& m_callback = m_host.Callback();
    HWND m_hwndBar = nullptr;
    SipPanel* m_pPanel = nullptr;
};

// Where a point hits is checked natively, and the device taps each button of
// the centred bar in the scenarios; here, the bar moved to a window narrower
// than its bitmap (window x 45 is bitmap x 65 on QVGA, 110 is 130 on VGA: Copy
// both) and a stylus that slides. The last button slid onto acts wherever on
// the bar the stylus lifts; slid off the bar, nothing does.
TEST_F(SipBarTest, ANarrowedBarHitTestsWhereItIsDrawnAndTheLastButtonSlidOntoActs)
{
    const bool bVga = IsVga();
    m_pPanel->MoveBarWindow(0, 0, bVga ? 440 : 200, bVga ? 108 : 54);
    const int X = BarLeftNow();
    const BarRect& cut = m_pPanel->m_aButtons[SIP_ACTION_CUT].rc;
    Down(bVga ? 110 : 45, 10);
    EXPECT_EQ(SIP_ACTION_COPY, m_pPanel->m_nPressed);
    EXPECT_EQ(m_hwndBar, GetCapture());
    Move(kOffX, kOffY);
    EXPECT_EQ(SIP_ACTION_NONE, m_pPanel->m_nPressed);
    Up(kOffX, kOffY);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(m_callback.Calls().empty());

    Down(bVga ? 110 : 45, 10);
    Move(X + cut.left + 5, cut.top + 5);
    EXPECT_EQ(SIP_ACTION_CUT, m_pPanel->m_nPressed);
    Up(2, 2);
    EXPECT_EQ(EditCommandCalls(SIP_ACTION_CUT), m_callback.Calls());
    EXPECT_EQ(SIP_ACTION_NONE, m_pPanel->m_nPressed);
}

// The colour of a bitmap's pixel, read through a memory DC, as the screen stores it.
COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y)
{
    CMemoryDc dc(CreateCompatibleDC(nullptr));
    CSelectObject select(dc.Get(), hBitmap);
    return AsStored(GetPixel(dc.Get(), x, y));
}

// The bar bitmap out of reach: this program's own LoadBitmapW import fails for one resource.
int g_nUnloadableBitmap = 0;
void* g_pfnLoadBitmap = nullptr;

HBITMAP WINAPI LoadBitmapExceptOne(HINSTANCE hInstance, LPCWSTR pszName)
{
    if (IS_INTRESOURCE(pszName) && LOWORD(reinterpret_cast<ULONG_PTR>(pszName)) == g_nUnloadableBitmap)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return reinterpret_cast<HBITMAP(WINAPI*)(HINSTANCE, LPCWSTR)>(g_pfnLoadBitmap)(hInstance, pszName);
}

// Without its bitmap the bar would have no height: a plain one of the bitmap's size stands
// in, white with every button outlined where a tap finds it.
TEST_F(SipBarTest, APlainBarStandsInForABarBitmapThatCannotBeLoaded)
{
    if (GetResolutionClass() == ResolutionClass::Unsupported)
        GTEST_SKIP() << "a panel on an unsupported screen brings up a message box";
    static const ImportRedirect s_load{"LoadBitmapW", reinterpret_cast<void*>(&LoadBitmapExceptOne),
                                       &g_pfnLoadBitmap};
    static const bool s_bRedirected = RedirectImports(GetModuleHandleW(nullptr), &s_load, 1) > 0;
    ASSERT_TRUE(s_bRedirected);
    const BarButtonLayout& layout = IsVga() ? GetVgaBarLayout() : GetQvgaBarLayout();
    g_nUnloadableBitmap = layout.nBarBitmapId;
    { SipPanel panel(g_hInstance); }
    g_nUnloadableBitmap = 0;
    EXPECT_EQ(layout.nBarWidth, GetBitmapWidth(g_hBarBitmap));
    EXPECT_EQ(layout.nBarHeight, GetBitmapHeight(g_hBarBitmap));
    for (const BarRect& rc : layout.aRects)
    {
        EXPECT_EQ(RGB(0, 0, 0), BitmapPixel(g_hBarBitmap, rc.left, rc.top));
        EXPECT_EQ(RGB(0, 0, 0), BitmapPixel(g_hBarBitmap, rc.right - 1, std::min(rc.bottom, layout.nBarHeight) - 1));
        EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), BitmapPixel(g_hBarBitmap, rc.left + 2, rc.top + 2));
    }
    { SipPanel panel(g_hInstance); }   // the real bitmap again, for what follows
}

COLORREF WindowPixel(HWND hwnd, int x, int y)
{
    CWindowDc dc(hwnd);
    return GetPixel(dc.Get(), x, y);
}

TEST_F(SipBarTest, PaintsTheBarAndThePressedButton)
{
    ASSERT_NE(nullptr, g_hBarBitmap);
    const int X = BarLeftNow();
    m_pPanel->Redraw();
    const BarRect& copy = m_pPanel->m_aButtons[SIP_ACTION_COPY].rc;
    const int nWidth = copy.right - copy.left;
    const int nHeight = copy.bottom - copy.top;
    const int aSamples[][2] = {{2, 2}, {nWidth / 2, nHeight / 2}, {nWidth - 3, nHeight - 3}, {nWidth / 3, 3}};

    // Unpressed: the bar bitmap, centred, under a black top line.
    for (const auto& s : aSamples)
    {
        EXPECT_EQ(BitmapPixel(g_hBarBitmap, copy.left + s[0], copy.top + s[1]),
                  WindowPixel(m_hwndBar, X + copy.left + s[0], copy.top + s[1]));
    }
    // Beside the bitmap: the black top line over a white background.
    RECT rcClient = {};
    GetClientRect(m_hwndBar, &rcClient);
    ASSERT_GT(rcClient.right, X + GetBitmapWidth(g_hBarBitmap)) << "Showing makes the bar one pixel wider";
    // In the margin left of the bitmap, where the screen shows one (the
    // extra column on the right lies off the screen).
    if (X > 0)
    {
        EXPECT_EQ(RGB(0, 0, 0), WindowPixel(m_hwndBar, X - 1, 0));
        EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), WindowPixel(m_hwndBar, X - 1, 1));
        EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), WindowPixel(m_hwndBar, X - 1, rcClient.bottom - 1));
    }

    // Pressed: Copy's pressed image over it.
    Down(X + copy.left + 3, copy.top + 3);
    HBITMAP hPressed = m_pPanel->m_aButtons[SIP_ACTION_COPY].hPressed;
    ASSERT_NE(nullptr, hPressed);
    for (const auto& s : aSamples)
        EXPECT_EQ(BitmapPixel(hPressed, s[0], s[1]), WindowPixel(m_hwndBar, X + copy.left + s[0], copy.top + s[1]));

    // Slid off: the pressed image stays until the release repaints.
    Move(kOffX, kOffY);
    EXPECT_EQ(BitmapPixel(hPressed, nWidth / 2, nHeight / 2),
              WindowPixel(m_hwndBar, X + copy.left + nWidth / 2, copy.top + nHeight / 2));
    Up(kOffX, kOffY);
    EXPECT_EQ(BitmapPixel(g_hBarBitmap, copy.left + nWidth / 2, copy.top + nHeight / 2),
              WindowPixel(m_hwndBar, X + copy.left + nWidth / 2, copy.top + nHeight / 2));
}

TEST_F(SipBarTest, TheInitializingNoticeHidesTheButtonsButTapsStillHit)
{
    m_pPanel->BeginInitializing();
    EXPECT_TRUE(g_bInitializing);
    RECT rc = {};
    GetClientRect(m_hwndBar, &rc);
    const COLORREF window = GetSysColor(COLOR_WINDOW) & 0xFFFFFF;
    // The top line, then the window colour wherever the notice's text is not.
    EXPECT_EQ(RGB(0, 0, 0), WindowPixel(m_hwndBar, rc.right / 2, 0));
    EXPECT_EQ(window, WindowPixel(m_hwndBar, 1, rc.bottom - 2));
    EXPECT_EQ(window, WindowPixel(m_hwndBar, rc.right - 2, rc.bottom - 2));
    // Some pixels of the first text line are not the window colour: the notice.
    int nInk = 0;
    for (int y = 2; y < 2 + ScaleByDpi(16) && y < rc.bottom; ++y)
    {
        for (int x = 0; x < rc.right; ++x)
            nInk += WindowPixel(m_hwndBar, x, y) != window ? 1 : 0;
    }
    EXPECT_GT(nInk, 20);

    const BarRect& copy = m_pPanel->m_aButtons[SIP_ACTION_COPY].rc;
    Down(BarLeftNow() + copy.left + 3, copy.top + 3);
    EXPECT_EQ(SIP_ACTION_COPY, m_pPanel->m_nPressed);
    Move(kOffX, kOffY);
    Up(kOffX, kOffY);
    m_pPanel->EndInitializing();
    EXPECT_FALSE(g_bInitializing);
}

} // namespace
