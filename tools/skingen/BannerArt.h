#pragma once
#include "Canvas.h"
#include "TextPainter.h"

// A banner of the options dialog: the product's mark, name and version. The dialog
// centres it and cuts what does not fit, so everything that matters stays inside
// the middle nSafeWidth pixels.
CCanvas PaintBanner(int nWidth, int nHeight, int nSafeWidth, CTextPainter& text);
