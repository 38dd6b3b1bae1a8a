#pragma once
#include "Canvas.h"
#include "TextPainter.h"
#include "sip/BarLayout.h"

#include <array>

// The SIP bar at one size: the bar with all eight buttons at rest, and each button's
// pressed image at exactly its hit rectangle's size. The pressed images are copied
// over the bar unchanged, so their edges carry the bar's own background.
struct BarImages
{
    CCanvas bar{0, 0};
    std::array<CCanvas, kBarButtonCount> pressed{CCanvas(0, 0), CCanvas(0, 0), CCanvas(0, 0), CCanvas(0, 0),
                                                 CCanvas(0, 0), CCanvas(0, 0), CCanvas(0, 0), CCanvas(0, 0)};
};

// nScale 1 paints the 240x54 bar of the QVGA class, 2 the 480x108 bar of the VGA class.
BarImages PaintBar(const BarButtonLayout& layout, int nScale, CTextPainter& text);
