// What one stylus event costs the keyboard's drawing: the real PaintKeyboard (compose off
// screen, one blit) with a different key pressed each time, at QVGA and at VGA, against
// the floor of two full-area blits of the same size measured in the same run. Prints the
// figures and their ratios; it asserts nothing.
//
// Run on a 480 x 640 screen (make bench): both layouts of Silver are loaded there, turned.

#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardDialog.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardPaint.h"
#include "settings/Settings.h"
#include "skin/LayoutLoader.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr int kEvents = 300;
constexpr int kRounds = 7;

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring ModuleFolder()
{
    WCHAR szPath[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath, n);
    return path.substr(0, path.find_last_of(L'\\'));
}

// Milliseconds per event of kEvents paints, each with the next key of the view pressed.
double PaintEvents(HWND hwnd, HDC hdcTarget, const RECT& rc)
{
    const double start = Now();
    for (int i = 0; i < kEvents; ++i)
    {
        g_nPressedKey = i % 30;  // the letters and signs of the character view
        PaintKeyboard(hwnd, hdcTarget, rc);
    }
    GdiFlush();
    return (Now() - start) / kEvents;
}

// The floor: the background copied into an off-screen bitmap and that copied out.
double TwoBlits(HDC hdcTarget, const RECT& rc)
{
    CMemoryDc source(CreateCompatibleDC(hdcTarget));
    CMemoryDc middle(CreateCompatibleDC(hdcTarget));
    CUniqueBitmap middleBitmap(CreateCompatibleBitmap(hdcTarget, rc.right, rc.bottom));
    CSelectObject selectBackground(source.Get(), g_skin.hCharBackground);
    CSelectObject selectMiddle(middle.Get(), middleBitmap.Get());
    const double start = Now();
    for (int i = 0; i < kEvents; ++i)
    {
        BitBlt(middle.Get(), 0, 0, rc.right, rc.bottom, source.Get(), 0, 0, SRCCOPY);
        BitBlt(hdcTarget, 0, 0, rc.right, rc.bottom, middle.Get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    return (Now() - start) / kEvents;
}

bool MeasureClass(HWND hwnd, const wchar_t* pszLayout, const char* pszClass)
{
    ReleaseSkin();
    const std::wstring folder = ModuleFolder() + L"\\skins\\Silver";
    std::wcsncpy(g_skin.szSkinPath, folder.c_str(), MAX_PATH - 1);
    if (!LoadLayoutFile((folder + L"\\" + pszLayout).c_str(), GetModuleHandleW(nullptr), hwnd) ||
        g_skin.hCharBackground == nullptr)
    {
        std::printf("%s: cannot load Silver's %ls\n", pszClass, pszLayout);
        return false;
    }
    const RECT rc = {0, 0, GetBitmapWidth(g_skin.hCharBackground), GetBitmapHeight(g_skin.hCharBackground)};
    CWindowDc screen(hwnd);
    CMemoryDc target(CreateCompatibleDC(screen.Get()));
    CUniqueBitmap targetBitmap(CreateCompatibleBitmap(screen.Get(), rc.right, rc.bottom));
    CSelectObject selectTarget(target.Get(), targetBitmap.Get());
    g_nCurrentView = VIEW_CHAR;

    PaintEvents(hwnd, target.Get(), rc);  // untimed: fonts and caches
    std::vector<double> paint, floor;
    for (int i = 0; i < kRounds; ++i)
    {
        paint.push_back(PaintEvents(hwnd, target.Get(), rc));
        floor.push_back(TwoBlits(target.Get(), rc));
    }
    std::sort(paint.begin(), paint.end());
    std::sort(floor.begin(), floor.end());
    std::printf("%-4s %4ldx%-4ld paint per stylus event: %.3f ms   two full-area blits: %.3f ms   ratio %.2f\n",
                pszClass, rc.right, rc.bottom, paint.front(), floor.front(),
                floor.front() > 0 ? paint.front() / floor.front() : 0.0);
    g_nPressedKey = KEY_NONE;
    ReleaseSkin();
    return true;
}

}  // namespace

int main()
{
    std::printf("paint benchmark: screen %d x %d, %d events a round, floor of %d rounds\n",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kEvents, kRounds);
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"bench", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr)
    {
        std::printf("no window: is there a display?\n");
        return 1;
    }
    InitDisplayMetrics();
    g_dwHabit = 0;
    CreatePreviewFonts(hwnd);
    const bool bQvga = MeasureClass(hwnd, L"Layout240.xml", "QVGA");
    const bool bVga = MeasureClass(hwnd, L"Layout480.xml", "VGA");
    ReleaseKeyboardFonts();
    DestroyWindow(hwnd);
    return bQvga && bVga ? 0 : 1;
}
