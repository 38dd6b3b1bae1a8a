#pragma once
#include <windows.h>

// The keyboard control's off-screen canvas, kept from one paint to the next
// with what it shows, so that a paint recomposes and copies only the
// rectangles whose pixels change. One keyboard control exists at a time.

// Invalidates, without erasing, the parts of the control whose pixels differ
// from what it last showed (all of it when that is not known), and paints
// them at once.
void RepaintKeyboardChanges(HWND hwnd);

// Paints at once, without erasing, what changed on the keyboard since its last paint.
inline void RedrawKeyboard(HWND hwnd) { RepaintKeyboardChanges(hwnd); }

// The control's WM_PAINT: whatever asked for it, everything that changed is
// repainted, composed on the kept canvas within the update region and copied
// within rcPaint.
void PaintKeyboardControl(HWND hwnd);

// Frees the canvas; the next paint composes the whole keyboard.
void ReleaseKeyboardCanvas();
