#pragma once
#include "support/ScreenRules.h"

// The screen orientation that rectangles and bitmaps are turned for. Asking the system
// costs a round trip on every call, and a layout turns some ninety rectangles and
// bitmaps, so a load pins the orientation once for its whole length: every key of one
// load then also takes the same turn, even if the screen turns half-way.

// The pinned orientation during a load, else the screen's orientation asked afresh.
ScreenOrientation GetSkinScreenOrientation();

// Pins the screen's current orientation for its lifetime (loads do not nest).
class CSkinLoadScreen
{
public:
    CSkinLoadScreen();
    ~CSkinLoadScreen();
    CSkinLoadScreen(const CSkinLoadScreen&) = delete;
    CSkinLoadScreen& operator=(const CSkinLoadScreen&) = delete;
};
