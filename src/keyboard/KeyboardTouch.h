#pragma once
#include <windows.h>

// The stylus on the keyboard: a press marks the key under it, the key follows
// the stylus, and the key acts when the stylus is lifted. Backspace acts on
// the press and repeats while held. A key with alternates held for a moment
// opens their strip, and the lift on one of its cells types that one instead.
// A press on the offered words chooses the one it is lifted on, or, held on a
// word of the user's own, asks whether to forget it.

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
// The capture left the keyboard control for hwndNew (another window took it, a
// dialog came up), or the system cancelled modes: the lift will not come here.
void OnKeyboardCaptureChanged(HWND hKeyboard, HWND hwndNew);
void OnKeyboardCancelMode(HWND hKeyboard);

// Dialog client point to keyboard control point.
void ToKeyboardPoint(int* pX, int* pY);

bool PressKeyAt(int x, int y);
bool TrackKeyAt(int x, int y);
bool ReleaseKey();
// Replaces the edit control's selection with the text (inserts it at the caret).
void InsertText(const WCHAR* pszText);

// Ends the press in progress, whatever ended it (the lift, a lost capture, the
// dialog's end): the backspace repeat and the long press stop, the strip closes
// without typing, nothing stays pressed and the capture is given back. A new
// press calls it first, in case the last one's lift never came.
void EndPress();

void CALLBACK RepeatTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);
void CALLBACK LongPressTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);
// The long press on an offered word of the user's own: asks whether to forget it.
void CALLBACK WordHoldTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idTimer, DWORD dwTime);
