#include "keyboard/KeyboardState.h"

#include "support/MessageCaption.h"

#include <new>

HWND g_hDlgWnd = nullptr;
HWND g_hKeyboardWnd = nullptr;
HWND g_hEditCtrlWnd = nullptr;
WNDPROC g_pfnKeyboardProc = nullptr;
WNDPROC g_pfnEditProc = nullptr;
CKeyboardTexts* g_pSipPanel = nullptr;
int g_bClosing = 0;
int g_bTextNotKept = 0;


WCHAR* CopyEditText(HWND hEdit)
{
    const int nLength = GetWindowTextLengthW(hEdit);
    WCHAR* pText = new (std::nothrow) WCHAR[nLength + 2]();
    if (pText != nullptr)
        GetWindowTextW(hEdit, pText, nLength + 1);
    return pText;
}

void FinishDialog()
{
    g_bClosing = 1;
    if (g_pSipPanel != nullptr)
    {
        delete[] g_pSipPanel->m_pBuffer;
        g_pSipPanel->m_pBuffer = CopyEditText(g_hEditCtrlWnd);
        if (g_pSipPanel->m_pBuffer == nullptr && GetWindowTextLengthW(g_hEditCtrlWnd) > 0)
        {
            // Out of memory: the dialog stays open with the text rather than end and lose it.
            g_bClosing = 0;
            MessageBoxW(g_hDlgWnd, kTextNotSentMessage, kMessageCaption, MB_ICONHAND);
            return;
        }
    }
    EndDialog(g_hDlgWnd, 0);
}

