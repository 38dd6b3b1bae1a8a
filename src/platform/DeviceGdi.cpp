#include "platform/DeviceGdi.h"

namespace ce {

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int nWidthDest, int nHeightDest, HDC hdcSrc, int xSrc,
                int ySrc, int nWidthSrc, int nHeightSrc, DWORD dwRop)
{
    const int nOldMode = SetStretchBltMode(hdcDest, COLORONCOLOR);
    const BOOL bDone = ::StretchBlt(hdcDest, xDest, yDest, nWidthDest, nHeightDest, hdcSrc, xSrc, ySrc, nWidthSrc,
                                    nHeightSrc, dwRop);
    if (nOldMode != 0)
        SetStretchBltMode(hdcDest, nOldMode);
    return bDone;
}

}  // namespace ce
