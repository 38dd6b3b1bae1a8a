#include "platform/TransparentImage.h"

namespace {

bool IsDeviceContext(HANDLE h)
{
    const DWORD dwType = GetObjectType(h);
    return dwType == OBJ_DC || dwType == OBJ_MEMDC;
}

}  // namespace

BOOL TransparentImage(HDC hdcDest, LONG nXDest, LONG nYDest, LONG nWidthDest, LONG nHeightDest, HANDLE hSrc,
                      LONG nXSrc, LONG nYSrc, LONG nWidthSrc, LONG nHeightSrc, COLORREF crTransparent)
{
    if (hdcDest == nullptr || hSrc == nullptr)
        return FALSE;
    // Nothing to copy is not a failure of the copy.
    if (nWidthDest <= 0 || nHeightDest <= 0 || nWidthSrc <= 0 || nHeightSrc <= 0)
        return nWidthDest == 0 || nHeightDest == 0 || nWidthSrc == 0 || nHeightSrc == 0;
    if (IsDeviceContext(hSrc))
    {
        return TransparentBlt(hdcDest, nXDest, nYDest, nWidthDest, nHeightDest, static_cast<HDC>(hSrc), nXSrc,
                              nYSrc, nWidthSrc, nHeightSrc, crTransparent);
    }
    if (GetObjectType(hSrc) != OBJ_BITMAP)
        return FALSE;
    const HDC hdcSrc = CreateCompatibleDC(hdcDest);
    if (hdcSrc == nullptr)
        return FALSE;
    const HGDIOBJ hOld = SelectObject(hdcSrc, hSrc);
    BOOL bDone = FALSE;
    if (hOld != nullptr && hOld != HGDI_ERROR)
    {
        bDone = TransparentBlt(hdcDest, nXDest, nYDest, nWidthDest, nHeightDest, hdcSrc, nXSrc, nYSrc, nWidthSrc,
                               nHeightSrc, crTransparent);
        SelectObject(hdcSrc, hOld);
    }
    DeleteDC(hdcSrc);
    return bDone;
}
