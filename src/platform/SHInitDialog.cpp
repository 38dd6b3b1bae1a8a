#include "platform/AygShell.h"

// What the device shell does for a dialog that asks for it: size it to the
// whole screen. The Done button and the lowered input panel have no desktop
// counterpart; a desktop dialog is closed through its own commands.
BOOL SHInitDialog(SHINITDLGINFO* pshidi)
{
    if (pshidi == nullptr || !IsWindow(pshidi->hDlg))
        return FALSE;
    if ((pshidi->dwMask & SHIDIM_FLAGS) == 0)
        return TRUE;
    const DWORD dwFlags = pshidi->dwFlags;
    if ((dwFlags & SHIDIF_SIZEDLGFULLSCREEN) != 0)
    {
        MoveWindow(pshidi->hDlg, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
    }
    else if ((dwFlags & SHIDIF_SIZEDLG) != 0)
    {
        RECT rcWork = {};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
        MoveWindow(pshidi->hDlg, rcWork.left, rcWork.top, rcWork.right - rcWork.left, rcWork.bottom - rcWork.top,
                   TRUE);
    }
    return TRUE;
}
