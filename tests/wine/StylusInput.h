#pragma once
#include <windows.h>

// Real stylus input through the platform's input path (SendInput), the way a
// finger on the screen makes it: the window under the point receives the
// messages from its own thread's queue.

// Moves the stylus to a screen point; true once the cursor is there.
bool StylusMoveTo(POINT ptScreen);

// Puts the stylus down or lifts it where it is.
bool StylusDown();
bool StylusUp();
