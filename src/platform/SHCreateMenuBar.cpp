#include "platform/AygShell.h"

// The device shell shows a menu resource as a bar of soft keys along the
// bottom of the screen, each sending its command to the parent. The desktop
// counterpart is the window's menu bar: its top-level items send the same
// WM_COMMAND ids. hwndMB names the window that carries the menu.
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
    // The menu then belongs to the window and is destroyed with it.
    if (!SetMenu(pmbi->hwndParent, hMenu))
    {
        DestroyMenu(hMenu);
        return FALSE;
    }
    pmbi->hwndMB = pmbi->hwndParent;
    return TRUE;
}
