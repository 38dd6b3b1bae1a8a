#include "platform/AygShell.h"
#include "platform/ShellMetrics.h"

// What the device shell does for a dialog that asks for it: a full-screen
// dialog fills the screen between the taskbar at the top and the menu bar at
// the bottom (a dialog that wants the taskbar's strip too takes it itself when
// it is activated). The Done button and the lowered input panel have no
// desktop counterpart; the dialog is closed through its own commands.
BOOL SHInitDialog(SHINITDLGINFO* pshidi)
{
    if (pshidi == nullptr || !IsWindow(pshidi->hDlg))
        return FALSE;
    if ((pshidi->dwMask & SHIDIM_FLAGS) == 0)
        return TRUE;
    if ((pshidi->dwFlags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIZEDLG)) != 0)
    {
        const int nBar = ShellBarHeight();
        const int nWidth = GetSystemMetrics(SM_CXSCREEN);
        const int nHeight = GetSystemMetrics(SM_CYSCREEN);
        MoveWindow(pshidi->hDlg, 0, nBar, nWidth, nHeight - 2 * nBar, TRUE);
    }
    return TRUE;
}
