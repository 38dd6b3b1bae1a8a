#include "support/ScreenRules.h"

ScreenOrientation OrientationOf(int nWidth, int nHeight)
{
    if (nWidth > nHeight)
        return ORIENT_LANDSCAPE;
    if (nWidth < nHeight)
        return ORIENT_PORTRAIT;
    return ORIENT_SQUARE;
}

ResolutionClass ClassifyResolution(int nWidth, int nHeight)
{
    // The height is looked at first, then the width, one row per height.
    switch (nHeight)
    {
    case 240:
        return (nWidth == 320 || nWidth == 400) ? ResolutionClass::Qvga : ResolutionClass::Unsupported;
    case 320:
    case 400:
        return nWidth == 240 ? ResolutionClass::Qvga : ResolutionClass::Unsupported;
    case 480:
        return (nWidth == 640 || nWidth == 800) ? ResolutionClass::Vga : ResolutionClass::Unsupported;
    case 640:
    case 800:
        return nWidth == 480 ? ResolutionClass::Vga : ResolutionClass::Unsupported;
    default:
        return ResolutionClass::Unsupported;
    }
}

int ShortSideOf(int nWidth, int nHeight)
{
    return nWidth < nHeight ? nWidth : nHeight;
}

ScreenDpi ApplyDpiOverride(ScreenDpi reported, int nHorzRes, int nVertRes)
{
    if (nHorzRes == nVertRes && nHorzRes == kSquareScreenSide)
        return ScreenDpi{kSquareScreenDpi, kSquareScreenDpi};
    return reported;
}
