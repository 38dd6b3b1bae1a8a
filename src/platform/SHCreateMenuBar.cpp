#include "platform/AygShell.h"
#include "platform/ShellMetrics.h"

// The device shell shows a menu resource as a bar of soft keys along the
// bottom of the screen; each key sends its item's command to the parent. Here
// the bar is a window of its own, owned by the parent (so it goes when the
// parent goes), that never takes the activation, with one button per item.

namespace
{

constexpr wchar_t kMenuBarClass[] = L"BrevantoMenuBar";
constexpr int kMaxItems = 8;

LRESULT CALLBACK MenuBarWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_COMMAND:
        // A soft key was pressed: its id is the menu item's command.
        if (HIWORD(wParam) == BN_CLICKED)
            PostMessageW(GetWindow(hwnd, GW_OWNER), WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0), 0);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}

bool RegisterMenuBarClass(HINSTANCE hInstance)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MenuBarWindowProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kMenuBarClass;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

BOOL SHCreateMenuBar(SHMENUBARINFO* pmbi)
{
    if (pmbi == nullptr || pmbi->cbSize < sizeof(SHMENUBARINFO) || !IsWindow(pmbi->hwndParent))
        return FALSE;
    pmbi->hwndMB = nullptr;
    if ((pmbi->dwFlags & SHCMBF_HMENU) == 0)
        return FALSE;  // toolbar resources are not used by the system
    HMENU hMenu = LoadMenuW(pmbi->hInstRes, MAKEINTRESOURCEW(pmbi->nToolBarId));
    if (hMenu == nullptr)
        return FALSE;
    const HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(pmbi->hwndParent, GWLP_HINSTANCE));
    if (!RegisterMenuBarClass(hInstance))
    {
        DestroyMenu(hMenu);
        return FALSE;
    }
    const int nHeight = ShellBarHeight();
    const int nWidth = GetSystemMetrics(SM_CXSCREEN);
    HWND hwndBar = CreateWindowExW(WS_EX_NOACTIVATE, kMenuBarClass, L"", WS_POPUP, 0,
                                   GetSystemMetrics(SM_CYSCREEN) - nHeight, nWidth, nHeight, pmbi->hwndParent,
                                   nullptr, hInstance, nullptr);
    if (hwndBar == nullptr)
    {
        DestroyMenu(hMenu);
        return FALSE;
    }
    const int nItems = GetMenuItemCount(hMenu);
    const int nKeys = nItems < 1 ? 1 : (nItems > kMaxItems ? kMaxItems : nItems);
    for (int i = 0; i < nItems && i < kMaxItems; ++i)
    {
        WCHAR szText[64] = {};
        GetMenuStringW(hMenu, static_cast<UINT>(i), szText, 64, MF_BYPOSITION);
        const UINT nId = GetMenuItemID(hMenu, i);
        CreateWindowExW(0, L"Button", szText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, i * nWidth / nKeys, 0,
                        nWidth / nKeys, nHeight, hwndBar, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)),
                        hInstance, nullptr);
    }
    DestroyMenu(hMenu);
    ShowWindow(hwndBar, SW_SHOWNOACTIVATE);
    pmbi->hwndMB = hwndBar;
    return TRUE;
}
