#include "IconArt.h"

namespace {

struct IconColours
{
    Colour body;
    Colour edge;
    Colour key;
    Colour accent;
};

// A keyboard seen from above with one key lit where a finger presses, drawn on a
// 16-unit grid so that every edge falls on a pixel at 16 and at 32 pixels.
void PaintIcon(CCanvas& strip, int nLeft, int nSize, const IconColours& c)
{
    const int u = nSize / 16;
    auto unitRect = [&](int l, int t, int r, int b) { return PixelRect{l * u, t * u, r * u, b * u}; };
    CCanvas icon(nSize, nSize, c.edge);
    icon.FillRect(unitRect(1, 4, 15, 13), c.body);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
        {
            const bool bLit = row == 0 && col == 2;
            icon.FillRect(unitRect(2 + col * 3, 5 + row * 3, 4 + col * 3, 7 + row * 3), bLit ? c.accent : c.key);
        }
    icon.FillRect(unitRect(4, 11, 12, 12), c.key);  // the space bar
    // Hard silhouette: a pixel is icon or transparent, never a blend with magenta,
    // because the icon lands on whatever colour the task bar has.
    const PixelRect rcBody = unitRect(0, 3, 16, 14);
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x)
            strip.Set(nLeft + x, y,
                      IsInsideRoundRect(rcBody, 2.0 * u, x + 0.5, y + 0.5) ? icon.At(x, y) : COLOUR_KEY);
}

}  // namespace

CCanvas PaintIconStrip(int nSize)
{
    CCanvas strip(2 * nSize, nSize, COLOUR_KEY);
    PaintIcon(strip, 0, nSize, {0xF4F6F8, 0x2F3944, 0x5C6773, 0x2D7BE0});
    PaintIcon(strip, nSize, nSize, {0x2F3944, 0xF4F6F8, 0xDDE2E8, 0xFFB43A});
    return strip;
}
