#pragma once
#include <windows.h>

// The stylus on the keyboard: a press marks the key under it, the key follows
// the stylus, and the key acts when the stylus is lifted. Backspace acts on
// the press and repeats while held.

// Timers of the backspace repeat, on the dialog window.
constexpr UINT_PTR IDT_REPEAT_DELAY = 601;
constexpr UINT_PTR IDT_REPEAT = 602;
// The long press that opens the held key's alternates strip, on the dialog window.
constexpr UINT_PTR IDT_LONG_PRESS = 603;

// Stylus handlers: hKeyboard is the keyboard control, (x, y) a point of the
// dialog's client area.
void OnKeyboardLButtonDown(HWND hKeyboard, int x, int y);
void OnKeyboardMouseMove(HWND hKeyboard, int x, int y);
void OnKeyboardLButtonUp(HWND hKeyboard, int x, int y);

// Dialog client point to keyboard control point.
void ToKeyboardPoint(int* pX, int* pY);

bool PressKeyAt(int x, int y);
bool TrackKeyAt(int x, int y);
bool ReleaseKey();
void DoKeyAction(int nIndex);
// Replaces the edit control's selection with the text (inserts it at the caret).
void InsertText(const WCHAR* pszText);

void CALLBACK RepeatTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);
void CALLBACK LongPressTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);

// Ends a press that the dialog's end cut short: the long press timer and the strip.
void CancelLongPress();
