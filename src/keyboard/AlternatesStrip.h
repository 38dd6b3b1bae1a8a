#pragma once

#include "keyboard/TextDirection.h"

// Where the alternates strip of a held key lies on the keyboard control: one
// cell per alternate, in reading order along the keyboard's text, each cell at
// least as large as the held key and nMinCell pixels, next to the key and
// wholly inside the control. Plain geometry, no Win32.
struct StripInput
{
    ViewRect rcKey;   // the held key, keyboard control pixels, right and bottom exclusive
    int nWidth;       // the keyboard control's size
    int nHeight;
    TextTurn turn;    // how text reads on the keyboard
    int nCells;       // 1 to kMaxAlternates
    int nMinCell;     // the smallest cell side, in pixels
};

// Fills pCells[0 .. count) in reading order and returns the count placed
// (0 when nothing can be placed).
int PlaceAlternatesStrip(const StripInput& input, ViewRect* pCells);

// The index of the cell that holds the point, or -1.
int FindStripCellAt(const ViewRect* pCells, int nCount, int x, int y);

// The smallest finger-sized cell side (7 mm) in pixels at nDpi dots per inch.
int MinimumCellPixels(int nDpi);
