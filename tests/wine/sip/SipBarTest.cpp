#include "resources/resource.h"
#include "sip/BarLayout.h"
#include "sip/DialogWatcher.h"
#include "sip/TestStateGuards.h"
#include "sip/RecordingCallback.h"
#include "sip/ServerTestSupport.h"
#include "sip/SipHost.h"
#include "sip/SipActions.h"
#include "sip/SipPanel.h"
#include "sip/Zarn.h"
#include "support/ComPointer.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"
#include "WineTestSupport.h"

#include <gtest/gtest.h>

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
// a recording callback. Dialogs the actions open are answered from a watcher.
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

    CDialogWatcher m_watcher{[](const SeenDialog& dialog) {
        if (dialog.title == kMessageCaption)
            DismissMessageBox(dialog);
        else
            PostMessageW(dialog.hwnd, WM_COMMAND, IDM_OPTIONS_CANCEL, 0);
    }};
    CSettingsRestorer m_settings;
    CSipHost m_host;
    CRecordingCallback& m_callback = m_host.Callback();
    HWND m_hwndBar = nullptr;
    SipPanel* m_pPanel = nullptr;
};

struct TapCase
{
    const char* pszWhat;
    int nScreenWidth;   // 0: every screen of the class named below
    int nScreenHeight;
    bool bVga;
    int nBarWidth;      // 0: as Showing leaves it
    int x;
    int y;
    int nAction;
};

const TapCase g_aTaps[] = {
    {"240x320 Copy", 240, 320, false, 0, 70, 10, SIP_ACTION_COPY},
    {"240x320 Select All", 240, 320, false, 0, 70, 40, SIP_ACTION_SELECT_ALL},
    {"240x320 gap", 240, 320, false, 0, 62, 10, SIP_ACTION_NONE},
    {"240x320 options", 240, 320, false, 0, 230, 30, SIP_ACTION_OPTIONS},
    {"240x320 Backspace", 240, 320, false, 0, 200, 45, SIP_ACTION_BACKSPACE},
    {"320x240 keyboard", 320, 240, false, 0, 41, 20, SIP_ACTION_KEYBOARD},
    {"320x240 left margin", 320, 240, false, 0, 20, 20, SIP_ACTION_NONE},
    {"320x240 Paste", 320, 240, false, 0, 210, 10, SIP_ACTION_PASTE},
    {"480x640 shared row", 480, 640, true, 0, 150, 54, SIP_ACTION_COPY},
    {"480x640 Enter", 480, 640, true, 0, 300, 100, SIP_ACTION_ENTER},
    {"480x640 Cut", 480, 640, true, 0, 300, 30, SIP_ACTION_CUT},
    {"qvga narrower than the bitmap", 0, 0, false, 200, 45, 10, SIP_ACTION_COPY},
    {"qvga narrower, keyboard at window x 0", 0, 0, false, 200, 0, 10, SIP_ACTION_KEYBOARD},
    {"vga narrower than the bitmap", 0, 0, true, 440, 110, 10, SIP_ACTION_COPY},
};

bool Applies(const TapCase& c)
{
    if (c.nScreenWidth != 0)
        return IsScreen(c.nScreenWidth, c.nScreenHeight);
    return IsVga() == c.bVga;
}

TEST_F(SipBarTest, ATapPressesTheButtonUnderItAndSlidingOffCancels)
{
    int nRun = 0;
    for (const TapCase& c : g_aTaps)
    {
        if (!Applies(c))
            continue;
        SCOPED_TRACE(c.pszWhat);
        ++nRun;
        if (c.nBarWidth != 0)
            m_pPanel->MoveBarWindow(0, 0, c.nBarWidth, IsVga() ? 108 : 54);
        m_callback.Clear();
        Down(c.x, c.y);
        EXPECT_EQ(c.nAction, m_pPanel->m_nPressed);
        EXPECT_EQ(m_hwndBar, GetCapture());
        Move(kOffX, kOffY);
        EXPECT_EQ(SIP_ACTION_NONE, m_pPanel->m_nPressed);
        Up(kOffX, kOffY);
        EXPECT_EQ(SIP_ACTION_NONE, m_pPanel->m_nPressed);
        EXPECT_EQ(nullptr, GetCapture());
        EXPECT_TRUE(m_callback.Calls().empty());
        m_host.InputMethod()->Showing();
    }
    if (nRun == 0)
        GTEST_SKIP() << "no tap of the table is for this screen";
}

TEST_F(SipBarTest, ReleasingAnEditingButtonSendsItsKeys)
{
    for (const TapCase& c : g_aTaps)
    {
        if (!Applies(c) || c.nAction < SIP_ACTION_COPY || c.nAction > SIP_ACTION_BACKSPACE)
            continue;
        SCOPED_TRACE(c.pszWhat);
        if (c.nBarWidth != 0)
            m_pPanel->MoveBarWindow(0, 0, c.nBarWidth, IsVga() ? 108 : 54);
        m_callback.Clear();
        Down(c.x, c.y);
        Up(c.x, c.y);
        EXPECT_EQ(EditCommandCalls(c.nAction), m_callback.Calls());
        EXPECT_EQ(SIP_ACTION_NONE, m_pPanel->m_nPressed);
        m_host.InputMethod()->Showing();
    }
}

TEST_F(SipBarTest, EveryButtonOfTheBarActsOnRelease)
{
    // The centre of each editing button, in window coordinates, on every screen.
    const BarButtonLayout& layout = IsVga() ? GetVgaBarLayout() : GetQvgaBarLayout();
    const int X = BarLeftNow();
    for (int nAction = SIP_ACTION_COPY; nAction <= SIP_ACTION_BACKSPACE; ++nAction)
    {
        SCOPED_TRACE(nAction);
        const BarRect& rc = layout.aRects[nAction];
        const int x = X + (rc.left + rc.right) / 2;
        const int y = (rc.top + rc.bottom) / 2;
        m_callback.Clear();
        Down(x, y);
        EXPECT_EQ(nAction, m_pPanel->m_nPressed);
        Up(x, y);
        EXPECT_EQ(EditCommandCalls(nAction), m_callback.Calls());
    }
}

TEST_F(SipBarTest, SlidingToAnotherButtonCarriesOutThatOne)
{
    const BarButtonLayout& layout = IsVga() ? GetVgaBarLayout() : GetQvgaBarLayout();
    const int X = BarLeftNow();
    const BarRect& copy = layout.aRects[SIP_ACTION_COPY];
    const BarRect& cut = layout.aRects[SIP_ACTION_CUT];
    Down(X + copy.left + 5, copy.top + 5);
    EXPECT_EQ(SIP_ACTION_COPY, m_pPanel->m_nPressed);
    Move(X + cut.left + 5, cut.top + 5);
    EXPECT_EQ(SIP_ACTION_CUT, m_pPanel->m_nPressed);
    // Lifted elsewhere on the bar, the last pressed button acts.
    Up(X + 2, 2);
    EXPECT_EQ(EditCommandCalls(SIP_ACTION_CUT), m_callback.Calls());
}

// The colour of a bitmap's pixel, read through a memory DC.
COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y)
{
    CMemoryDc dc(CreateCompatibleDC(nullptr));
    CSelectObject select(dc.Get(), hBitmap);
    return GetPixel(dc.Get(), x, y);
}

COLORREF WindowPixel(HWND hwnd, int x, int y)
{
    CWindowDc dc(hwnd);
    return GetPixel(dc.Get(), x, y);
}

TEST_F(SipBarTest, PaintsTheBarAndThePressedButton)
{
    const BarButtonLayout& layout = IsVga() ? GetVgaBarLayout() : GetQvgaBarLayout();
    ASSERT_NE(nullptr, g_hBarBitmap);
    const int X = BarLeftNow();
    m_pPanel->Redraw();
    const BarRect& copy = layout.aRects[SIP_ACTION_COPY];
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
    int nDifferent = 0;
    for (const auto& s : aSamples)
    {
        const COLORREF expected = BitmapPixel(hPressed, s[0], s[1]);
        EXPECT_EQ(expected, WindowPixel(m_hwndBar, X + copy.left + s[0], copy.top + s[1]));
        nDifferent += expected != BitmapPixel(g_hBarBitmap, copy.left + s[0], copy.top + s[1]) ? 1 : 0;
    }
    EXPECT_GT(nDifferent, 0) << "the pressed image looks like the unpressed bar there";

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

    const BarButtonLayout& layout = IsVga() ? GetVgaBarLayout() : GetQvgaBarLayout();
    const BarRect& copy = layout.aRects[SIP_ACTION_COPY];
    Down(BarLeftNow() + copy.left + 3, copy.top + 3);
    EXPECT_EQ(SIP_ACTION_COPY, m_pPanel->m_nPressed);
    Move(kOffX, kOffY);
    Up(kOffX, kOffY);
    m_pPanel->EndInitializing();
    EXPECT_FALSE(g_bInitializing);
}

TEST_F(SipBarTest, TheOptionsButtonRunsTheDialogAndForgetsALoadFailure)
{
    g_bSkinLoadFailed = TRUE;
    const BarButtonLayout& layout = IsVga() ? GetVgaBarLayout() : GetQvgaBarLayout();
    const BarRect& options = layout.aRects[SIP_ACTION_OPTIONS];
    const int x = BarLeftNow() + options.left + 3;
    Down(x, options.top + 3);
    EXPECT_EQ(SIP_ACTION_OPTIONS, m_pPanel->m_nPressed);
    Up(x, options.top + 3);
    EXPECT_FALSE(g_bSkinLoadFailed);
    EXPECT_EQ(SIP_ACTION_NONE, m_pPanel->m_nPressed);
    const std::vector<SeenDialog> seen = m_watcher.Seen();
    ASSERT_FALSE(seen.empty());
    if (GetResolutionClass() == ResolutionClass::Unsupported)
    {
        // The dialog refuses the screen before it shows itself.
        EXPECT_EQ(L"Device resolution is not supported.", seen.back().text);
    }
    else
    {
        EXPECT_EQ(GetAncestor(m_hwndBar, GA_ROOT), seen[0].hwndOwner);
        EXPECT_EQ(L"", seen[0].title);
    }
    EXPECT_TRUE(m_callback.Calls().empty());
}

TEST_F(SipBarTest, TheRepaintCommandAndOtherCommandsAnswerOne)
{
    EXPECT_EQ(1, SendMessageW(m_hwndBar, WM_COMMAND, MAKEWPARAM(8000, 0), 3));
    EXPECT_EQ(1, SendMessageW(m_hwndBar, WM_COMMAND, MAKEWPARAM(1234, 0), 0));
    EXPECT_EQ(1, SendMessageW(m_hwndBar, WM_PAINT, 0, 0));
}

} // namespace
