#pragma once

// Rules about the screen that need no system call: the orientation of a
// width/height pair, the resolution class that picks bitmap resources and
// decides whether a screen is supported, and the fixed DPI override.

enum ScreenOrientation
{
    ORIENT_LANDSCAPE = 1,  // width > height
    ORIENT_PORTRAIT = 2,   // width < height
    ORIENT_SQUARE = 3,     // width = height
};

enum class ResolutionClass { Qvga, Vga, Unsupported };

ScreenOrientation OrientationOf(int nWidth, int nHeight);

// QVGA: 240x320, 240x400 and their landscape forms; VGA: 480x640, 480x800
// and their landscape forms; every other pair, square ones included, is
// unsupported.
ResolutionClass ClassifyResolution(int nWidth, int nHeight);

// The smaller of the two sides.
int ShortSideOf(int nWidth, int nHeight);

// Square 320x320 devices report a DPI that makes text too small; they are
// treated as 110 DPI in both directions whatever they report.
constexpr int kSquareScreenSide = 320;
constexpr int kSquareScreenDpi = 110;

struct ScreenDpi { int nLogPixelsX; int nLogPixelsY; };

// The DPI pair to use for a screen of nHorzRes x nVertRes that reported `reported`.
ScreenDpi ApplyDpiOverride(ScreenDpi reported, int nHorzRes, int nVertRes);
