#pragma once
#include <windows.h>

#include "keyboard/KeyboardTexts.h"

// What the open keyboard dialog shares with its edit view, drawing and stylus
// handling: its windows, the panel that carries the text out, and the ending
// with OK. The lowest layer of the keyboard's windows; one dialog exists at a time.

extern HWND g_hDlgWnd;
extern HWND g_hKeyboardWnd;
extern HWND g_hEditCtrlWnd;
extern WNDPROC g_pfnKeyboardProc;
extern WNDPROC g_pfnEditProc;
// The panel whose buffers carry the text out of the dialog; not owned.
extern CKeyboardTexts* g_pSipPanel;
// Set while the dialog is being ended with OK, so that the deactivation that
// ending causes does not park the text.
extern int g_bClosing;
// Set when a switch away ended the dialog without a copy of its text; the user is told
// once the dialog is gone, so that the message does not hold up the switch.
extern int g_bTextNotKept;

// Identifier of the caret blink timer on the keyboard control.
constexpr UINT_PTR IDT_CARET_BLINK = 101;


// Ends the dialog with OK: the edit control's text goes to the panel's m_pBuffer. When
// no copy of the text can be made, the dialog stays open with it and says so.
void FinishDialog();

// What the user is told when the text could not be copied out of the edit control.
constexpr wchar_t kTextNotSentMessage[] =
    L"The text could not be sent: memory is short. It stays in the keyboard; tap OK to try again.";
constexpr wchar_t kTextNotKeptMessage[] = L"The text typed in the keyboard could not be kept: memory is short.";

// A new[]-allocated copy of the edit control's text: GetWindowTextLength + 2
// units, zero-filled, at most length + 1 copied. Null when allocation fails.
WCHAR* CopyEditText(HWND hEdit);

