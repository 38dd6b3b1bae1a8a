#pragma once
#include <windows.h>

#include "keyboard/TextDirection.h"

#include <functional>

// The edit view: the hidden edit control's visible lines and a blinking
// caret, drawn by the keyboard in the skin's edit view area and turned with
// the skin; arrow keys turned to match.

// The blink phase of the drawn caret; carries over between openings.
extern int g_bCaretVisible;

// Draws the edit control's visible lines into area rcArea of the keyboard,
// reading as text reads on the skin shown with that turn: each line for which
// enter(n) is true, n counting the visible lines from 0.
void DrawEditViewText(HWND hEdit, HDC hdc, const RECT& rcArea, TextTurn turn, const std::function<bool(int)>& enter);

// Calls visit(n, text, length, offset) for each visible line that is drawn (not
// empty), n counting the visible lines from 0 and offset being the sum of the
// line heights above it, empty lines included.
using VisibleLineVisitor = std::function<void(int nLine, const WCHAR* pszLine, int nLength, int nOffset)>;
void ForEachVisibleLine(HWND hEdit, const VisibleLineVisitor& visit);
// The control's left margin, from which drawn lines start.
int GetEditLeftMargin(HWND hEdit);

// The caret, a line kCaretPenWidth pixels wide and one text line long, drawn
// while the blink phase is on.
constexpr int kCaretPenWidth = 2;
void DrawEditCaret(HWND hEdit, HDC hdc, const RECT& rcArea, SkinTurn turn);
// Where the caret's line runs on the keyboard for area rcArea; false when no
// caret is drawn now.
bool GetEditCaretLine(HWND hEdit, const RECT& rcArea, SkinTurn turn, POINT* pFrom, POINT* pTo);

// The height of a line: the text height of a fresh DC of the control.
int GetEditLineHeight(HWND hEdit);
// The client height over the line height, at least 1.
int GetEditVisibleLines(HWND hEdit);

// Maps the edit control's caret point onto the keyboard for area rcArea, as the skin is shown now.
void MapCaretPoint(const POINT& pt, const RECT& rcArea, POINT* pOut);

// Low-level keyboard hook: sends the hardware arrow keys to the edit control.
LRESULT CALLBACK ArrowKeyHookProc(int nCode, WPARAM wParam, LPARAM lParam);
