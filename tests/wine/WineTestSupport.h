#pragma once
#include <windows.h>

struct ScreenSize { int nWidth; int nHeight; };

// The screen size the runner was asked for (BREVANTO_SCREEN, "WxH"), {0, 0} when unset.
ScreenSize RequestedScreen();

// True when the screen is exactly nWidth x nHeight; tests that need one size skip elsewhere.
bool IsScreen(int nWidth, int nHeight);

// Dispatches every pending message of this thread.
void FlushEvents();
