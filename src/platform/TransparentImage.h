#pragma once
#include <windows.h>

// The device's colour-keyed copy: copies the source rectangle to the
// destination rectangle, leaving destination pixels where the source has the
// transparent colour. hSrc is a device context or a bitmap.
BOOL TransparentImage(HDC hdcDest, LONG nXDest, LONG nYDest, LONG nWidthDest, LONG nHeightDest, HANDLE hSrc,
                      LONG nXSrc, LONG nYSrc, LONG nWidthSrc, LONG nHeightSrc, COLORREF crTransparent);
