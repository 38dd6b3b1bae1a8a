#pragma once

#include "keyboard/TextDirection.h"

// Where the words that complete the typed one are offered on the keyboard control:
// the skin's own place for them or, in a skin without one, a band along the edit
// view's last line, as the text reads; and the cells in it, one a word, best first in
// reading order. Plain geometry, no Win32.

struct WordStripPlace
{
    ViewRect rcStrip;    // keyboard control pixels; empty when there is no room
    bool bInEditView;    // a band of the edit view: the text keeps above it while words show
    int nAcross;         // the strip's extent across the text's lines, in pixels
};

// rcWordView is the skin's place for the words (empty when it names none), rcEditView
// the edit view; the band taken from the edit view is nMinAcross pixels (a fingertip,
// MinimumCellPixels) across its lines, or the whole view when it is smaller.
WordStripPlace PlaceWordStrip(const ViewRect& rcWordView, const ViewRect& rcEditView, TextTurn turn, int nMinAcross);

// Divides the strip along the reading direction into nCells equal cells and fills
// pCells[0 .. nCells) in reading order; returns the count placed (0 for an empty strip
// or a count out of 1 to nMaxCells).
int PlaceWordCells(const ViewRect& rcStrip, TextTurn turn, int nCells, int nMaxCells, ViewRect* pCells);
