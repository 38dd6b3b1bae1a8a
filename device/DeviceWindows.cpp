#include "DeviceWindows.h"

#include "device/harness/TextUtf.h"

#include <cstdio>

namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr UINT kAnswerTimeout = 20000;

// Bar buttons as the user sees them: centres of the eight buttons in bar-bitmap
// coordinates, for the QVGA-class (240x54) and VGA-class (480x108) bars.
const POINT g_aQvgaButtons[8] = {{30, 27}, {87, 13}, {87, 40}, {138, 13}, {138, 40}, {189, 13}, {189, 40}, {227, 27}};
const POINT g_aVgaButtons[8] = {{61, 55}, {174, 27}, {174, 81}, {278, 27}, {278, 81}, {381, 27}, {381, 81}, {456, 55}};

bool IsVgaScreen(int w, int h)
{
    return (h == 480 && (w == 640 || w == 800)) || (w == 480 && (h == 640 || h == 800));
}

struct WindowSearch
{
    int nControlId;
    HWND hwndFound;
};

BOOL CALLBACK FindDialogWithControl(HWND hwnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, pSearch->nControlId) != nullptr)
    {
        pSearch->hwndFound = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(DWORD dwThread, int nControlId)
{
    WindowSearch search{nControlId, nullptr};
    EnumThreadWindows(dwThread, FindDialogWithControl, reinterpret_cast<LPARAM>(&search));
    return search.hwndFound;
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ThreadWindows(DWORD dwThread)
{
    std::vector<HWND> windows;
    EnumThreadWindows(dwThread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsDialog(HWND hwnd)
{
    wchar_t szClass[16] = {};
    GetClassNameW(hwnd, szClass, 16);
    return IsWindowVisible(hwnd) && lstrcmpW(szClass, L"#32770") == 0;
}

}  // namespace

HWND FindKeyboardDialog(DWORD dwThread)
{
    return FindDialog(dwThread, kKeyboardControlId);
}

HWND FindOptionsDialog(DWORD dwThread)
{
    return FindDialog(dwThread, kOptionsSkinListId);
}

bool SelectListedSkin(HWND hwndOptions, const std::wstring& sName)
{
    const HWND hwndList = GetDlgItem(hwndOptions, kOptionsSkinListId);
    DWORD_PTR dwIndex = static_cast<DWORD_PTR>(CB_ERR);
    SendMessageTimeoutW(hwndList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(sName.c_str()),
                        SMTO_NORMAL, kAnswerTimeout, &dwIndex);
    if (static_cast<LRESULT>(dwIndex) == CB_ERR)
        return false;
    DWORD_PTR dwResult = 0;
    SendMessageTimeoutW(hwndList, CB_SETCURSEL, dwIndex, 0, SMTO_NORMAL, kAnswerTimeout, &dwResult);
    return true;
}

POINT BarButtonOnScreen(HWND hwndBar, int nButton)
{
    const bool bVga = IsVgaScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    RECT rc{};
    GetClientRect(hwndBar, &rc);
    POINT pt = bVga ? g_aVgaButtons[nButton] : g_aQvgaButtons[nButton];
    pt.x += (rc.right - (bVga ? 480 : 240)) / 2;
    ClientToScreen(hwndBar, &pt);
    return pt;
}

std::vector<HWND> FindDialogs(DWORD dwThread)
{
    std::vector<HWND> dialogs;
    for (HWND hwnd : ThreadWindows(dwThread))
        if (IsDialog(hwnd))
            dialogs.push_back(hwnd);
    return dialogs;
}

std::vector<HWND> FindMessageBoxes(DWORD dwThread)
{
    std::vector<HWND> boxes;
    for (HWND hwnd : FindDialogs(dwThread))
        if (GetDlgItem(hwnd, kMessageTextId) != nullptr && GetDlgItem(hwnd, kKeyboardControlId) == nullptr)
            boxes.push_back(hwnd);
    return boxes;
}

std::wstring MessageText(HWND hwndBox)
{
    wchar_t szText[512] = {};
    GetDlgItemTextW(hwndBox, kMessageTextId, szText, 512);
    return szText;
}

std::vector<std::string> DescribeWindows(DWORD dwThread)
{
    std::vector<std::string> lines;
    for (HWND hwnd : ThreadWindows(dwThread))
    {
        wchar_t szClass[64] = {}, szTitle[64] = {};
        GetClassNameW(hwnd, szClass, 64);
        GetWindowTextW(hwnd, szTitle, 64);
        RECT rc{};
        GetWindowRect(hwnd, &rc);
        char sz[96];
        std::snprintf(sz, sizeof sz, " (%ld,%ld)-(%ld,%ld)%s%s", rc.left, rc.top, rc.right, rc.bottom,
                      IsWindowVisible(hwnd) ? " visible" : "", hwnd == GetForegroundWindow() ? " foreground" : "");
        lines.push_back(Narrow(szClass) + " \"" + Narrow(szTitle) + "\"" + sz);
    }
    return lines;
}
