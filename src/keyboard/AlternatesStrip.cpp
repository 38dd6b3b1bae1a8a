#include "keyboard/AlternatesStrip.h"

#include "keyboard/Alternates.h"

#include <algorithm>

namespace {

// The strip is laid out upright in the frame of the text, where u runs along
// the reading direction and v down the lines, and then turned onto the control.
// Text turned clockwise reads down the screen with its lines going left; text
// turned counter-clockwise reads up the screen with its lines going right.
struct TextFrame
{
    TextTurn turn;
    int nWidth;    // the control's size on screen
    int nHeight;

    int Along() const { return turn == TextTurn::Upright ? nWidth : nHeight; }
    int Across() const { return turn == TextTurn::Upright ? nHeight : nWidth; }

    ViewRect ToText(const ViewRect& r) const
    {
        switch (turn)
        {
        case TextTurn::Clockwise: return {r.top, nWidth - r.right, r.bottom, nWidth - r.left};
        case TextTurn::CounterClockwise: return {nHeight - r.bottom, r.left, nHeight - r.top, r.right};
        case TextTurn::Upright: break;
        }
        return r;
    }

    ViewRect ToScreen(const ViewRect& r) const
    {
        switch (turn)
        {
        case TextTurn::Clockwise: return {nWidth - r.bottom, r.left, nWidth - r.top, r.right};
        case TextTurn::CounterClockwise: return {r.top, nHeight - r.right, r.bottom, nHeight - r.left};
        case TextTurn::Upright: break;
        }
        return r;
    }
};

int CeilDiv(int n, int d) { return (n + d - 1) / d; }

// The line's start: centred on the key, moved to lie wholly inside [0, nRoom).
int Clamp(int nStart, int nLength, int nRoom)
{
    return std::max(0, std::min(nStart, nRoom - nLength));
}

// Above the key as the user reads, where the finger does not hide it; below
// when there is no room above; else as near the top as the room allows.
int LinesStart(const ViewRect& key, int nHeight, int nRoom)
{
    if (key.top - nHeight >= 0)
        return key.top - nHeight;
    if (key.bottom + nHeight <= nRoom)
        return key.bottom;
    return Clamp(key.top - nHeight, nHeight, nRoom);
}

}  // namespace

int PlaceAlternatesStrip(const StripInput& input, ViewRect* pCells)
{
    const int nCells = std::min(input.nCells, kMaxAlternates);
    if (pCells == nullptr || nCells <= 0 || input.nWidth <= 0 || input.nHeight <= 0)
        return 0;
    const TextFrame frame{input.turn, input.nWidth, input.nHeight};
    const ViewRect key = frame.ToText(input.rcKey);
    const int nCellWidth = std::max(key.right - key.left, input.nMinCell);
    const int nCellHeight = std::max(key.bottom - key.top, input.nMinCell);
    if (nCellWidth <= 0 || nCellHeight <= 0 || nCellWidth > frame.Along())
        return 0;

    // As few lines as fit along the text, the cells shared out evenly among them.
    const int nLines = CeilDiv(nCells, std::max(1, frame.Along() / nCellWidth));
    const int nPerLine = CeilDiv(nCells, nLines);
    if (nLines * nCellHeight > frame.Across())
        return 0;
    const int nLineLength = nPerLine * nCellWidth;
    const int nLeft = Clamp((key.left + key.right - nLineLength) / 2, nLineLength, frame.Along());
    const int nTop = LinesStart(key, nLines * nCellHeight, frame.Across());
    for (int i = 0; i < nCells; ++i)
    {
        const int u = nLeft + (i % nPerLine) * nCellWidth;
        const int v = nTop + (i / nPerLine) * nCellHeight;
        pCells[i] = frame.ToScreen({u, v, u + nCellWidth, v + nCellHeight});
    }
    return nCells;
}

int FindStripCellAt(const ViewRect* pCells, int nCount, int x, int y)
{
    if (pCells == nullptr)
        return -1;
    for (int i = 0; i < nCount; ++i)
    {
        const ViewRect& r = pCells[i];
        if (r.left <= x && x < r.right && r.top <= y && y < r.bottom)
            return i;
    }
    return -1;
}

int MinimumCellPixels(int nDpi)
{
    // 7 mm is 70 / 254 of an inch; rounded up so that a cell is never smaller.
    return nDpi > 0 ? (nDpi * 70 + 253) / 254 : 0;
}
