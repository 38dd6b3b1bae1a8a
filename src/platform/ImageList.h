#pragma once
#include <windows.h>
#include <commctrl.h>

// The device exports the wide image-list loader under its plain name; the desktop's
// headers turn that name into a macro for ImageList_LoadImageW.
#undef ImageList_LoadImage

HIMAGELIST ImageList_LoadImage(HINSTANCE hInstance, LPCWSTR pszBitmap, int cx, int cGrow, COLORREF crMask,
                               UINT uType, UINT uFlags);
