#pragma once
#include <windows.h>

#include "keyboard/KeyboardChanges.h"

class CKeyImagePainter;

// Drawing of the keyboard control: a paint composes the background, the typed
// text, the caret, the offered words, the enlarged label, the pressed images and
// the strip off screen, within the part being repainted, and copies that part in one blit;
// the control never erases.

// A picture of the whole keyboard as the state stands, composed off screen and
// copied onto hdc at rcClient. hwnd is not used.
void PaintKeyboard(HWND hwnd, HDC hdc, const RECT& rcClient);
// The same drawn straight onto hdc. hwnd is not used.
void DrawKeyboard(HWND hwnd, HDC hdc, const RECT& rcClient);

// The part of a canvas that a paint recomposes: a region and the rectangles it is made of.
struct PaintArea
{
    HRGN hrgn;
    const RECT* pRects;
    int nRects;
};

// Composes the layers of frame (the state as it stands) onto a canvas of
// nWidth x nHeight, each inside its box, and only inside *pArea when that is
// not null: there the canvas ends as a whole composition would leave it.
// Skin bitmaps are copied by painter.
void ComposeKeyboard(HDC hdc, int nWidth, int nHeight, const KeyboardFrame& frame, const PaintArea* pArea,
                     CKeyImagePainter& painter);

// Draws the pressed key's label enlarged in the character view area.
void DrawKeyPreview(HDC hdc, const RECT& rcArea, TextTurn turn);
