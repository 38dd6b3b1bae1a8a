#pragma once

// Lengths in the system are given for a 96-DPI screen; this turns them into
// device pixels at the screen's vertical DPI, rounding half away from zero so
// that negative font heights (character heights) keep their sign.
int ScaleLength(int nLength, int nDpi);
