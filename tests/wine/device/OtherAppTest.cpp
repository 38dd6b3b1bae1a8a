#include "WineTestSupport.h"
#include "device/OtherApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Activation { WORD wState; HWND hwndOther; };
std::vector<Activation> g_activations;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_ACTIVATE)
        g_activations.push_back({LOWORD(wParam), reinterpret_cast<HWND>(lParam)});
    return DefWindowProcW(hwnd, uMsg, wParam, lParam);
}

HWND CreateRecordingWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ActivationRecorder";
    RegisterClassW(&wc);
    return CreateWindowExW(0, L"ActivationRecorder", L"keyboard", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

void Settle()
{
    for (int i = 0; i < 30; ++i)
    {
        FlushEvents();
        Sleep(10);
    }
}

// The keyboard parks its text when it loses the activation to another
// application, which the platform reports without naming the new window.
TEST(OtherApp, TakesTheActivationWithoutNamingItself)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "screen-independent";
    COtherApp other;
    ASSERT_TRUE(other.Start(GetModuleHandleW(nullptr), RECT{0, 26, 240, 240}));
    const HWND hwnd = CreateRecordingWindow();
    ASSERT_NE(nullptr, hwnd);
    SetForegroundWindow(hwnd);
    Settle();
    g_activations.clear();
    other.BringToFront();
    Settle();
    ASSERT_FALSE(g_activations.empty());
    EXPECT_EQ(WA_INACTIVE, g_activations.back().wState);
    EXPECT_EQ(nullptr, g_activations.back().hwndOther);
    EXPECT_EQ(other.Window(), GetForegroundWindow());

    // A window of the same thread, by contrast, is named.
    const HWND hwndSecond = CreateRecordingWindow();
    SetForegroundWindow(hwnd);
    Settle();
    g_activations.clear();
    SetActiveWindow(hwndSecond);
    Settle();
    ASSERT_FALSE(g_activations.empty());
    EXPECT_EQ(WA_INACTIVE, g_activations.front().wState);
    EXPECT_EQ(hwndSecond, g_activations.front().hwndOther);
    DestroyWindow(hwndSecond);
    DestroyWindow(hwnd);
}

}  // namespace
