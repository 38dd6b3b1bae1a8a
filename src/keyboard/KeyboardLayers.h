#pragma once
#include <windows.h>

#include "keyboard/KeyboardChanges.h"

// The keyboard's picture as the state stands now, layer by layer: what the
// whole picture follows, and each layer's box and content. A paint draws each
// layer inside its box; comparing what a paint showed with what the state
// shows now tells which rectangles to repaint.
KeyboardFrame CurrentKeyboardFrame(int nWidth, int nHeight);

// The rectangle of a layer, for GDI.
RECT LayerRect(const KeyboardFrame& frame, KeyboardLayer layer);
