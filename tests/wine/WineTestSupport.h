#pragma once
#include <windows.h>

struct ScreenSize { int nWidth; int nHeight; };

// The screen size the runner was asked for (BREVANTO_SCREEN, "WxH"), {0, 0} when unset.
ScreenSize RequestedScreen();

// The screen's bits per pixel, as GDI reports them for the screen's DC.
int ScreenDepth();

// An expected colour as the screen stores it: a 16-bit screen keeps 5 bits of
// red and blue and 6 of green, which read back with their top bits repeated.
COLORREF AsStored(COLORREF cr);

// True when the screen is exactly nWidth x nHeight; tests that need one size skip elsewhere.
bool IsScreen(int nWidth, int nHeight);

// Dispatches every pending message of this thread.
void FlushEvents();
