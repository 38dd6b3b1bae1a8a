#pragma once

#include "keyboard/TextDirection.h"

// Drawing rectangles for text drawn with a font turned by 0, 90 or 270
// degrees. The text is drawn centred on one line in the rectangle; for a
// turned font the rectangle is a 2000-pixel square around the point where the
// middle of the upright text box must fall, so that nothing is clipped.

constexpr int kTurnedTextMargin = 1000;

// The rectangle that makes text of upright size nWidth x nHeight start
// reading at (x, y).
ViewRect TextRectAt(int nEscapement, int x, int y, int nWidth, int nHeight);

// The rectangle that centres text of upright size nWidth x nHeight in r.
ViewRect TextRectIn(int nEscapement, const ViewRect& r, int nWidth, int nHeight);

// True for the escapements a turned font may have: 0, 900 and 2700.
bool IsSupportedEscapement(int nEscapement);

// lfHeight of a preview font: 80 % of the character view area's extent across
// the text, negative so that it is a character height. Upright text stands in
// the area's height; text turned by 90 degrees stands in its width.
int PreviewFontHeight(const ViewRect& charView, int nEscapement);
