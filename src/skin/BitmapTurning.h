#pragma once
#include <windows.h>

// Turning skin bitmaps to the screen once, while the skin loads, so that drawing is a
// plain copy afterwards.

// Stores hLoaded into *phTarget unchanged, or a turned copy of it (deleting hLoaded),
// as the screen's orientation, the skin's design orientation and the user's hand
// require. hLoaded is always either stored or deleted; null stores null.
void PrepareSkinBitmap(HBITMAP hLoaded, HBITMAP* phTarget, HWND hwnd);

// A new bitmap compatible with hwnd's DC holding hSource turned by 90 degrees, or null
// (no source, no window, or GDI failing). The source is never deleted.
HBITMAP RotateBitmapClockwise(HBITMAP hSource, HWND hwnd);
HBITMAP RotateBitmapCounterClockwise(HBITMAP hSource, HWND hwnd);
