#pragma once
#include <windows.h>

// The edit view: the hidden edit control's visible lines and a blinking
// caret, drawn by the keyboard in the skin's edit view area and turned with
// the skin; arrow keys turned to match.

// The blink phase of the drawn caret; carries over between openings.
extern int g_bCaretVisible;

// Draws the edit control's visible lines into area rcArea of the keyboard.
void DrawEditViewText(HWND hEdit, HDC hdc, const RECT& rcArea);

// Draws the caret, a 2-pixel line one text line long, while the blink phase is on.
void DrawEditCaret(HWND hEdit, HDC hdc, const RECT& rcArea);

// The height of a line: the text height of a fresh DC of the control.
int GetEditLineHeight(HWND hEdit);
// The client height over the line height, at least 1.
int GetEditVisibleLines(HWND hEdit);

// Maps the edit control's caret point onto the keyboard for area rcArea.
void MapCaretPoint(const POINT& pt, const RECT& rcArea, POINT* pOut);

void CALLBACK CaretBlinkTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);

LRESULT CALLBACK EditSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Low-level keyboard hook: sends the hardware arrow keys to the edit control.
LRESULT CALLBACK ArrowKeyHookProc(int nCode, WPARAM wParam, LPARAM lParam);
