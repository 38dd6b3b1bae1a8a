#include "keyboard/WordStrip.h"

#include <algorithm>

namespace {

bool IsEmpty(const ViewRect& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

bool IsUpright(TextTurn turn) { return turn == TextTurn::Upright; }

}  // namespace

WordStripPlace PlaceWordStrip(const ViewRect& rcWordView, const ViewRect& rcEditView, TextTurn turn, int nMinAcross)
{
    if (!IsEmpty(rcWordView))
    {
        const int nAcross = IsUpright(turn) ? rcWordView.bottom - rcWordView.top : rcWordView.right - rcWordView.left;
        return {rcWordView, false, nAcross};
    }
    if (IsEmpty(rcEditView))
        return {{0, 0, 0, 0}, true, 0};
    const ViewRect& a = rcEditView;
    const int nBand = std::clamp(nMinAcross, 0, IsUpright(turn) ? a.bottom - a.top : a.right - a.left);
    switch (turn)
    {
    case TextTurn::Clockwise:          // lines follow each other to the left
        return {{a.left, a.top, a.left + nBand, a.bottom}, true, nBand};
    case TextTurn::CounterClockwise:   // lines follow each other to the right
        return {{a.right - nBand, a.top, a.right, a.bottom}, true, nBand};
    case TextTurn::Upright:
        break;
    }
    return {{a.left, a.bottom - nBand, a.right, a.bottom}, true, nBand};
}

int PlaceWordCells(const ViewRect& rcStrip, TextTurn turn, int nCells, int nMaxCells, ViewRect* pCells)
{
    if (pCells == nullptr || IsEmpty(rcStrip) || nCells < 1 || nCells > nMaxCells)
        return 0;
    const ViewRect& s = rcStrip;
    const int nAlong = IsUpright(turn) ? s.right - s.left : s.bottom - s.top;
    for (int i = 0; i < nCells; ++i)
    {
        // Edges at exact shares of the length, so the cells meet without gaps.
        const int nFrom = nAlong * i / nCells;
        const int nTo = nAlong * (i + 1) / nCells;
        switch (turn)
        {
        case TextTurn::Clockwise:          // reads top to bottom
            pCells[i] = {s.left, s.top + nFrom, s.right, s.top + nTo};
            break;
        case TextTurn::CounterClockwise:   // reads bottom to top
            pCells[i] = {s.left, s.bottom - nTo, s.right, s.bottom - nFrom};
            break;
        case TextTurn::Upright:
            pCells[i] = {s.left + nFrom, s.top, s.left + nTo, s.bottom};
            break;
        }
    }
    return nCells;
}
