#pragma once
#include <windows.h>

#include "keyboard/TextDirection.h"

#include <functional>

// Draws the offered words in their strip, turned with the text: each word centred in
// its cell in the edit view's font, short lines between the words, the cell under the
// finger inverted, and in a band of the edit view a line between the band and the
// text. Each word is drawn where enterCell(cell) is true, clipped to its cell by it.
// Nothing when no words are offered.
void DrawWordStrip(HDC hdc, TextTurn turn, const std::function<bool(const RECT& rcCell)>& enterCell);
