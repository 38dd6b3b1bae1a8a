#pragma once

// A rectangle of the keyboard control's pixels, right and bottom exclusive.
struct KeyRect
{
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    bool Contains(int x, int y) const { return nLeft <= x && x < nRight && nTop <= y && y < nBottom; }
    bool IsEmpty() const { return nRight <= nLeft || nBottom <= nTop; }
};
