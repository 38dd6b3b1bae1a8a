#include "KeyboardTestSupport.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardTouch.h"
#include "settings/Settings.h"
#include "sip/SipPanel.h"
#include "sip/TestStateGuards.h"
#include "skin/SkinCatalogue.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

// Figures, not verdicts: these print how long the keyboard takes and how that
// compares with a floor measured in the same run. Nothing here asserts a time.

namespace {

double NowMs()
{
    LARGE_INTEGER frequency{}, counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One round: nRepeats runs of work, in milliseconds per run.
template <typename TWork>
double RoundMs(int nRepeats, TWork work)
{
    const double t0 = NowMs();
    for (int i = 0; i < nRepeats; ++i)
        work();
    GdiFlush();
    return (NowMs() - t0) / nRepeats;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char* ClassName()
{
    switch (GetResolutionClass())
    {
    case ResolutionClass::Qvga: return "QVGA";
    case ResolutionClass::Vga: return "VGA";
    default: return "unsupported";
    }
}

class KeyboardBenchmark : public testing::Test
{
protected:
    void SetUp() override
    {
        if (GetResolutionClass() == ResolutionClass::Unsupported)
            GTEST_SKIP() << "no skin layout for this screen";
        EnsureTextFont();
        ReleaseSkin();
        ReleaseKeyboardFonts();
        SetSkinFile(L"Silver.xml");
        ASSERT_EQ(1, LoadSkin(g_hInstance, m_fontSource.Window()));
        CreatePreviewFonts(m_fontSource.Window());
    }
    void TearDown() override
    {
        g_nPressedKey = KEY_NONE;
        g_bCapsLock = 0;
        ReleaseKeyboardFonts();
        ReleaseSkin();
    }

    CFontSource m_fontSource;
};

TEST_F(KeyboardBenchmark, PaintOfOneStylusEventAgainstTwoFullAreaBlits)
{
    CModelessKeyboard keyboard;
    ASSERT_NE(nullptr, keyboard.Dialog());
    ShowWindow(keyboard.Dialog(), SW_SHOWNA);
    SetWindowTextW(g_hEditCtrlWnd, L"The quick brown fox\r\njumps over the lazy dog");
    g_bCapsLock = 1;
    g_nPressedKey = 10;
    const HWND hKeyboard = g_hKeyboardWnd;
    RECT rc{};
    GetClientRect(hKeyboard, &rc);
    const int w = rc.right, h = rc.bottom;

    // What a stylus event costs: an invalidation and the paint it runs at once.
    auto paintOnce = [&] { RedrawKeyboard(hKeyboard); };
    // The floor: the background into an off-screen bitmap and that bitmap onto
    // the control, both over the whole area.
    CWindowDc windowDc(hKeyboard);
    CMemoryDc backgroundDc(CreateCompatibleDC(windowDc.Get()));
    CSelectObject background(backgroundDc.Get(), GetViewBackground(VIEW_CHAR));
    auto floorOnce = [&] {
        CMemoryDc memDc(CreateCompatibleDC(windowDc.Get()));
        CUniqueBitmap bitmap(CreateCompatibleBitmap(windowDc.Get(), w, h));
        CSelectObject select(memDc.Get(), bitmap.Get());
        BitBlt(memDc.Get(), 0, 0, w, h, backgroundDc.Get(), 0, 0, SRCCOPY);
        BitBlt(windowDc.Get(), 0, 0, w, h, memDc.Get(), 0, 0, SRCCOPY);
    };
    // The composition alone, drawn straight onto the control without the
    // window manager's invalidation and paint messages.
    auto composeOnce = [&] { PaintKeyboard(hKeyboard, windowDc.Get(), rc); };
    // Rounds alternate, so that a busy machine weighs on all alike.
    std::vector<double> paints, floors, compositions;
    for (int r = 0; r < 15; ++r)
    {
        paints.push_back(RoundMs(20, paintOnce));
        floors.push_back(RoundMs(20, floorOnce));
        compositions.push_back(RoundMs(20, composeOnce));
    }
    const double paint = Median(paints);
    const double floor = Median(floors);
    const double composition = Median(compositions);
    std::printf("[ figures  ] %s %dx%d keyboard %dx%d: paint per stylus event %.3f ms, floor (two full-area blits) "
                "%.3f ms, ratio %.2f\n",
                ClassName(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), w, h, paint, floor,
                floor > 0 ? paint / floor : 0.0);
    std::printf("[ figures  ] %s: composition alone %.3f ms, ratio to the floor %.2f\n", ClassName(), composition,
                floor > 0 ? composition / floor : 0.0);
}

// Time from the start of the modal dialog (the keyboard action's last step
// before the dialog, the skin already loaded) to the end of the keyboard's
// first paint.
double g_dOpenStart = 0;
double g_dFirstPaintEnd = 0;
bool g_bPaintSeen = false;
HWND g_hMeasuredDialog = nullptr;

LRESULT CALLBACK WatchMessages(int nCode, WPARAM wParam, LPARAM lParam)
{
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg != nullptr)
    {
        if (g_bPaintSeen && g_dFirstPaintEnd == 0)
        {
            // The next message after the first paint: that paint is done.
            g_dFirstPaintEnd = NowMs();
            g_hMeasuredDialog = g_hDlgWnd;
            PostMessageW(g_hDlgWnd, WM_COMMAND, IDOK, 0);
        }
        else if (pMsg->message == WM_PAINT && pMsg->hwnd != nullptr && pMsg->hwnd == g_hKeyboardWnd)
        {
            g_bPaintSeen = true;
            PostMessageW(pMsg->hwnd, WM_NULL, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

TEST_F(KeyboardBenchmark, OpeningToFirstPaint)
{
    SipPanel panel(g_hInstance);
    std::vector<double> times;
    for (int i = 0; i < 5; ++i)
    {
        g_dFirstPaintEnd = 0;
        g_bPaintSeen = false;
        const HHOOK hHook = SetWindowsHookExW(WH_GETMESSAGE, WatchMessages, nullptr, GetCurrentThreadId());
        ASSERT_NE(nullptr, hHook);
        SetKeyboardDialogContext(g_hInstance, nullptr, &panel);
        g_dOpenStart = NowMs();
        DialogBoxIndirectParamW(g_hInstance, KeyboardTemplate(), nullptr, KeyboardDialogProc, 0);
        UnhookWindowsHookEx(hHook);
        ASSERT_GT(g_dFirstPaintEnd, 0.0);
        times.push_back(g_dFirstPaintEnd - g_dOpenStart);
    }
    std::sort(times.begin(), times.end());
    std::printf("[ figures  ] %s %dx%d: dialog start to first keyboard paint, median of 5: %.1f ms (min %.1f, max %.1f)\n",
                ClassName(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), times[2], times.front(),
                times.back());
}

}  // namespace
