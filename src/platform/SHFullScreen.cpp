#include "platform/AygShell.h"

namespace {

// The device shell's taskbar. A desktop has none of this class, so there the
// request changes nothing on screen; the flags are still checked.
constexpr wchar_t kTaskbarClass[] = L"HHTaskBar";

bool Contradicts(DWORD dwState, DWORD dwShow, DWORD dwHide)
{
    return (dwState & dwShow) != 0 && (dwState & dwHide) != 0;
}

}  // namespace

BOOL SHFullScreen(HWND hwnd, DWORD dwState)
{
    if (!IsWindow(hwnd))
        return FALSE;
    if (Contradicts(dwState, SHFS_SHOWTASKBAR, SHFS_HIDETASKBAR) ||
        Contradicts(dwState, SHFS_SHOWSIPBUTTON, SHFS_HIDESIPBUTTON) ||
        Contradicts(dwState, SHFS_SHOWSTARTICON, SHFS_HIDESTARTICON))
        return FALSE;
    const HWND hTaskbar = FindWindowW(kTaskbarClass, nullptr);
    if (hTaskbar != nullptr)
    {
        if ((dwState & SHFS_HIDETASKBAR) != 0)
            ShowWindow(hTaskbar, SW_HIDE);
        else if ((dwState & SHFS_SHOWTASKBAR) != 0)
            ShowWindow(hTaskbar, SW_SHOWNA);
    }
    return TRUE;
}
