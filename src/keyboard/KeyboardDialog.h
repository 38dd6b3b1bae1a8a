#pragma once
#include <windows.h>

#include "keyboard/KeyboardState.h"

// The full-screen keyboard: a modal dialog (template 204) holding the keyboard
// control (203), on which the skin is drawn and touched, over a hidden
// multi-line edit control (201) that stores the text. The top layer of the
// keyboard's windows: it places and subclasses the controls and routes the
// stylus; the state it shares is in KeyboardState.h.

// Stores the module and the panel for the next run of the dialog; the window is not used.
void SetKeyboardDialogContext(HINSTANCE hInstance, HWND hwndSipBar, CKeyboardTexts* pSipPanel);

// Dialog template 204 from the module's resources; null when it cannot be had.
LPCDLGTEMPLATEW LoadKeyboardTemplate(HINSTANCE hInstance);

// Runs the dialog modally over hwndOwner until it ends; then tells the user when a switch
// away ended it without keeping its text.
void RunKeyboardDialog(HINSTANCE hInstance, HWND hwndOwner);

INT_PTR CALLBACK KeyboardDialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
