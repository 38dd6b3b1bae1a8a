#pragma once
#include <windows.h>

class SipPanel;

// The full-screen keyboard: a modal dialog (template 204) holding the keyboard
// control (203), on which the skin is drawn and touched, over a hidden
// multi-line edit control (201) that stores the text. One exists at a time.

extern HWND g_hDlgWnd;
extern HWND g_hKeyboardWnd;
extern HWND g_hEditCtrlWnd;
extern WNDPROC g_pfnKeyboardProc;
extern WNDPROC g_pfnEditProc;
// The panel whose buffers carry the text out of the dialog; not owned.
extern SipPanel* g_pSipPanel;
// Set while the dialog is being ended with OK, so that the deactivation that
// ending causes does not park the text.
extern int g_bClosing;

// Identifier of the caret blink timer on the keyboard control.
constexpr UINT_PTR IDT_CARET_BLINK = 101;

// Stores the module and the panel for the next run of the dialog; the window is not used.
void SetKeyboardDialogContext(HINSTANCE hInstance, HWND hwndSipBar, SipPanel* pSipPanel);

// Dialog template 204 from the module's resources; null when it cannot be had.
LPCDLGTEMPLATEW LoadKeyboardTemplate(HINSTANCE hInstance);

INT_PTR CALLBACK KeyboardDialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Ends the dialog with OK: the edit control's text goes to the panel's m_pBuffer.
void FinishDialog();

HWND GetEditCtrlWnd();
HWND GetDlgWnd();
HWND GetKeyboardWnd();

// A new[]-allocated copy of the edit control's text: GetWindowTextLength + 2
// units, zero-filled, at most length + 1 copied. Null when allocation fails.
WCHAR* CopyEditText(HWND hEdit);
