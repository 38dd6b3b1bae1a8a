#pragma once
#include <windows.h>

// Real stylus input through the platform's input path (SendInput), the way a
// finger on the screen makes it: the window under the point receives the
// messages from its own thread's queue.

// Moves the stylus to a screen point; true once the cursor is there. With a
// receiving window of another thread, that thread first handles what input it
// has pending: a late pointer event of the host screen's own (an echo of an
// earlier move) can put the cursor back where it was, and the move is made again.
bool StylusMoveTo(POINT ptScreen, HWND hwndReceiver = nullptr);

// Puts the stylus down or lifts it where it is.
bool StylusDown();
bool StylusUp();
