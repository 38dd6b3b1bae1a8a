#include "platform/ImageList.h"

HIMAGELIST ImageList_LoadImage(HINSTANCE hInstance, LPCWSTR pszBitmap, int cx, int cGrow, COLORREF crMask,
                               UINT uType, UINT uFlags)
{
    return ImageList_LoadImageW(hInstance, pszBitmap, cx, cGrow, crMask, uType, uFlags);
}
