#pragma once
#include <windows.h>

// Turning skin bitmaps to the screen once, while the skin loads, so that drawing is a
// plain copy afterwards.

// Stores hLoaded into *phTarget unchanged, or a turned copy of it (deleting hLoaded),
// as the screen's orientation, the skin's design orientation and the user's hand
// require. hLoaded is always either stored or deleted; null stores null.
void PrepareSkinBitmap(HBITMAP hLoaded, HBITMAP* phTarget, HWND hwnd);

// A new bitmap holding hSource turned by 90 degrees, made for hwnd's DC
// (CreateCompatibleBitmap: the display's format, so drawing it is a plain copy), or
// null: no source, no window to show it in, or GDI failing. The source is never deleted.
HBITMAP RotateBitmapClockwise(HBITMAP hSource, HWND hwnd);
HBITMAP RotateBitmapCounterClockwise(HBITMAP hSource, HWND hwnd);

// While a session is open, turns share two memory DCs and the window's DC instead of
// taking and giving back their own: a layout turns some ninety bitmaps, and DC creation
// is a large part of each turn. Sessions nest; the outermost one owns the DCs.
class CBitmapTurningSession
{
public:
    CBitmapTurningSession();
    ~CBitmapTurningSession();
    CBitmapTurningSession(const CBitmapTurningSession&) = delete;
    CBitmapTurningSession& operator=(const CBitmapTurningSession&) = delete;

private:
    bool m_bOwner = false;
};
