#pragma once
#include <windows.h>

#include "support/ScreenRules.h"

// Facts about the screen, read from the system, and the sizes derived from them.
// All of it runs on the thread that owns the SIP window; nothing is locked.

// Read once by InitDisplayMetrics; g_nLogPixelsX == 0 means "not yet read".
extern int g_nLogPixelsX;
extern int g_nLogPixelsY;
extern int g_nHorzRes;
extern int g_nVertRes;

// The screen size seen by the most recent GetScreenOrientation (0 before it).
extern int g_nScreenWidth;
extern int g_nScreenHeight;

// Reads the screen DPI and size once; later calls do nothing. A 320x320
// screen is taken as 110 DPI whatever it reports.
void InitDisplayMetrics();

// A length given for a 96-DPI screen, in device pixels at g_nLogPixelsY.
int ScaleByDpi(int nLength);

// Queries the screen size afresh, records it for GetLastScreenWidth/Height,
// and tells landscape, portrait or square.
ScreenOrientation GetScreenOrientation();
int GetLastScreenWidth();
int GetLastScreenHeight();

// The shorter screen side, queried afresh; the recorded size is not touched.
int GetScreenShortSide();

// The resolution class of the screen as it is now.
ResolutionClass GetResolutionClass();

// The size of a bitmap; 0 when the handle is not a bitmap.
int GetBitmapWidth(HBITMAP hBitmap);
int GetBitmapHeight(HBITMAP hBitmap);

// Copies the whole bitmap to (x, y) of hdc.
BOOL DrawBitmapAt(HDC hdc, int x, int y, HBITMAP hBitmap);

// The font a fresh DC of the window holds (not a font set with WM_SETFONT).
// False when the DC cannot be had or pOut is null.
bool GetWindowDefaultFont(HWND hwnd, LOGFONTW* pOut);
