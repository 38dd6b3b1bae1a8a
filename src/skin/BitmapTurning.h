#pragma once
#include <windows.h>

// Turning skin bitmaps to the screen once, while the skin loads, so that drawing is a
// plain copy afterwards.

// Stores hLoaded into *phTarget unchanged, or a turned copy of it (deleting hLoaded),
// as the screen's orientation, the skin's design orientation and the user's hand
// require. hLoaded is always either stored or deleted; null stores null.
void PrepareSkinBitmap(HBITMAP hLoaded, HBITMAP* phTarget, HWND hwnd);

// A new bitmap holding hSource turned by 90 degrees (a 32-bit DIB section, exact in every
// colour whatever the display), or null: no source, no window to show it in, or GDI
// failing. The source is never deleted.
HBITMAP RotateBitmapClockwise(HBITMAP hSource, HWND hwnd);
HBITMAP RotateBitmapCounterClockwise(HBITMAP hSource, HWND hwnd);

// While a session is open, turns share two memory DCs instead of creating and destroying
// their own: a layout turns some ninety bitmaps, and DC creation is a large part of each
// turn. Sessions nest; the outermost one owns the DCs.
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
