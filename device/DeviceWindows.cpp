#include "DeviceWindows.h"

#include "common/TextUtf.h"

#include <cstdio>

namespace {

constexpr int kMessageTextId = 0xFFFF;

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

bool IsMessageBox(HWND hwnd)
{
    wchar_t szClass[16] = {};
    GetClassNameW(hwnd, szClass, 16);
    return IsWindowVisible(hwnd) && lstrcmpW(szClass, L"#32770") == 0 && GetDlgItem(hwnd, kMessageTextId) != nullptr &&
           GetDlgItem(hwnd, kKeyboardControlId) == nullptr;
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

std::vector<HWND> FindMessageBoxes(DWORD dwThread)
{
    std::vector<HWND> boxes;
    for (HWND hwnd : ThreadWindows(dwThread))
        if (IsMessageBox(hwnd))
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
