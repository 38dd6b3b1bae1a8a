#pragma once
#include <windows.h>

namespace ce {

// StretchBlt as the device does it: rows and columns that do not fit are dropped,
// never blended (the desktop's COLORONCOLOR; its default mode would AND them).
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int nWidthDest, int nHeightDest, HDC hdcSrc, int xSrc,
                int ySrc, int nWidthSrc, int nHeightSrc, DWORD dwRop);

}  // namespace ce
