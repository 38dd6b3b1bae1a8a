#pragma once
#include <windows.h>

// The window procedures of the keyboard dialog's two controls and the caret's
// timer: each stylus event goes to the touch handlers, a paint to the canvas,
// and whatever changed the picture is repainted at once.

// The keyboard control's subclass procedure.
LRESULT CALLBACK KeyboardSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The hidden edit control's subclass procedure: hardware keys move the caret as the
// keyboard is turned, and the keyboard shows the result.
LRESULT CALLBACK EditSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// The caret blink timer of the keyboard control.
void CALLBACK CaretBlinkTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);
