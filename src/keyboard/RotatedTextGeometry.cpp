#include "keyboard/RotatedTextGeometry.h"

#include <cmath>

ViewRect TextRectAt(int nEscapement, int x, int y, int nWidth, int nHeight)
{
    if (nEscapement != 900 && nEscapement != 2700)
        return {x, y, x + nWidth, y + nHeight};
    const int a = static_cast<int>(std::floor((nWidth + 1) * 0.5));
    const int b = static_cast<int>(std::floor((nHeight + 1) * 0.5));
    return {x + a - kTurnedTextMargin, y + b - kTurnedTextMargin,
            x + a + kTurnedTextMargin, y + b + kTurnedTextMargin};
}

ViewRect TextRectIn(int nEscapement, const ViewRect& r, int nWidth, int nHeight)
{
    if (nEscapement != 900 && nEscapement != 2700)
        return r;
    const int cx = r.left + (r.right - r.left) / 2;
    const int cy = r.top + (r.bottom - r.top) / 2;
    const int tw = nWidth / 2;
    const int th = nHeight / 2;
    if (nEscapement == 900)
        return {cx - th - kTurnedTextMargin, cy + tw - kTurnedTextMargin,
                cx - th + nWidth + kTurnedTextMargin, cy + tw + nHeight + kTurnedTextMargin};
    return {cx + th - kTurnedTextMargin, cy - tw - kTurnedTextMargin,
            cx + th + nWidth + kTurnedTextMargin, cy - tw + nHeight + kTurnedTextMargin};
}

bool IsSupportedEscapement(int nEscapement)
{
    return nEscapement == 0 || nEscapement == 900 || nEscapement == 2700;
}

int PreviewFontHeight(const ViewRect& charView, int nEscapement)
{
    const bool bTurned = nEscapement == 900 || nEscapement == 2700;
    const int nNegativeExtent = bTurned ? charView.left - charView.right : charView.top - charView.bottom;
    return (nNegativeExtent * 80) / 100;
}
