#pragma once
#include "Canvas.h"

// The input method's icon strip: two square images side by side, nSize pixels each
// (16 for the small strip, 32 for the large), magenta wherever the icon is not.
// Image 0 is the one the SIP manager shows; image 1 is its light-on-dark twin.
CCanvas PaintIconStrip(int nSize);
