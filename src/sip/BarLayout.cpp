#include "sip/BarLayout.h"

#include "resources/resource.h"

namespace
{

constexpr BarRect RectAt(int left, int top, int width, int height)
{
    return BarRect{left, top, left + width, top + height};
}

// 240x54 bitmap: a two-pixel gap between neighbouring buttons.
const BarButtonLayout g_qvgaLayout = {
    {
        RectAt(0, 1, 61, 52),    // keyboard
        RectAt(63, 1, 49, 25),   // Copy
        RectAt(63, 28, 49, 25),  // Select All
        RectAt(114, 1, 49, 25),  // Cut
        RectAt(114, 28, 49, 25), // Enter
        RectAt(165, 1, 48, 25),  // Paste
        RectAt(165, 28, 48, 25), // Backspace
        RectAt(215, 1, 25, 52),  // options
    },
    {IDB_QVGA_217, IDB_QVGA_219, IDB_QVGA_211, IDB_QVGA_215, IDB_QVGA_216, IDB_QVGA_218, IDB_QVGA_214,
     IDB_QVGA_212},
    IDB_BAR_QVGA,
    240,
    54,
};

// 480x108 bitmap: neighbours touch, and the two rows share row 54, where the
// upper button wins because it is tested first.
const BarButtonLayout g_vgaLayout = {
    {
        RectAt(0, 1, 122, 108),
        RectAt(122, 1, 104, 54),
        RectAt(122, 54, 104, 54),
        RectAt(226, 1, 104, 54),
        RectAt(226, 54, 104, 54),
        RectAt(330, 1, 102, 54),
        RectAt(330, 54, 102, 54),
        RectAt(432, 1, 48, 108),
    },
    {IDB_VGA_308, IDB_VGA_301, IDB_VGA_302, IDB_VGA_306, IDB_VGA_307, IDB_VGA_309, IDB_VGA_305,
     IDB_VGA_303},
    IDB_BAR_VGA,
    480,
    108,
};

} // namespace

const BarButtonLayout& GetQvgaBarLayout()
{
    return g_qvgaLayout;
}

const BarButtonLayout& GetVgaBarLayout()
{
    return g_vgaLayout;
}

int HitTestBar(const BarRect (&aRects)[kBarButtonCount], int x, int y)
{
    for (int i = 0; i < kBarButtonCount; ++i)
    {
        const BarRect& rc = aRects[i];
        if (rc.left <= x && x < rc.right && rc.top <= y && y < rc.bottom)
            return i;
    }
    return kNoButton;
}

int BarLeft(int nClientLeft, int nClientRight, int nBitmapWidth)
{
    // C++ division truncates toward zero, as the centring requires for negative widths.
    return nClientLeft + (nClientRight - nBitmapWidth - nClientLeft) / 2;
}

BarPoint TranslateBarPoint(std::uint32_t lParam, int nBarLeft)
{
    const int x = static_cast<int>(lParam & 0xFFFFu);
    const int y = static_cast<int>((lParam >> 16) & 0xFFFFu);
    return BarPoint{x - nBarLeft, y};
}
