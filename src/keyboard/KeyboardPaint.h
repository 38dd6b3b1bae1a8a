#pragma once
#include <windows.h>

// Drawing of the keyboard control: every paint composes the background, the
// typed text, the caret, the enlarged label and the pressed images off
// screen and copies the result in one blit; the control never erases.

LRESULT CALLBACK KeyboardSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

void PaintKeyboard(HWND hwnd, HDC hdc, const RECT& rcClient);
void DrawKeyboard(HWND hwnd, HDC hdc, const RECT& rcClient);

// Draws a pressed image at (x, y) without its last row and column, leaving
// pixels of the colour key (0 means magenta) transparent.
BOOL DrawKeyImage(HDC hdc, int x, int y, HBITMAP hBitmap, COLORREF crKey);

// Draws the pressed key's label enlarged in the character view area.
void DrawKeyPreview(HDC hdc, const RECT& rcArea);
