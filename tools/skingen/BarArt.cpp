#include "BarArt.h"

#include "Glyphs.h"

#include <string>

namespace {

struct BarColours
{
    Gradient background{0xEDF0F3, 0xC3C9D1};
    Colour topLine = 0x000000;  // continues the black line the bar window draws along its top
    Gradient face{0xFFFFFF, 0xE2E6EB};
    Colour border = 0x8A94A1;
    Colour caption = 0x1D232B;
    Gradient pressedFace{0x5FA8F5, 0x2D6CC9};
    Colour pressedBorder = 0x1F4F96;
    Colour pressedCaption = 0xFFFFFF;
};

const wchar_t* const kCaptions[kBarButtonCount] = {
    nullptr, L"Copy", L"Select All", L"Cut", L"Enter", L"Paste", L"Backspace", nullptr};

PixelRect ToPixelRect(const BarRect& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

// The visible button inside its hit rectangle: on the VGA bar neighbouring rectangles
// touch, so every button keeps a one-unit margin that shows the bar between them.
PixelRect ButtonFace(const BarRect& rc, int nScale, int nBarHeight)
{
    const int m = nScale == 1 ? 0 : nScale / 2;
    PixelRect face{rc.left + m, rc.top + m, rc.right - m, rc.bottom - m};
    if (face.nBottom > nBarHeight - nScale)
        face.nBottom = nBarHeight - nScale;  // the tall buttons end one unit above the bar's edge
    return face;
}

void PaintButton(CCanvas& canvas, int nButton, const PixelRect& rc, int nScale, bool bPressed, CTextPainter& text)
{
    const BarColours colours;
    const double u = nScale;
    const Gradient& face = bPressed ? colours.pressedFace : colours.face;
    const Colour border = bPressed ? colours.pressedBorder : colours.border;
    const Colour ink = bPressed ? colours.pressedCaption : colours.caption;
    canvas.FillRoundRect(rc, 4 * u, {border, border});
    canvas.FillRoundRect({rc.nLeft + nScale, rc.nTop + nScale, rc.nRight - nScale, rc.nBottom - nScale}, 3 * u, face);

    const double cx = (rc.nLeft + rc.nRight) / 2.0;
    const double cy = (rc.nTop + rc.nBottom) / 2.0;
    if (nButton == SIP_ACTION_KEYBOARD)
    {
        DrawKeyboardGlyph(canvas, cx + 0.5 * u, cy + 4 * u, u * 1.05, bPressed ? 0xF4F7FB : 0x3C4652,
                          bPressed ? 0x2D6CC9 : 0xF4F6F8, 0xF6D7B8, 0x7A5236);
        return;
    }
    if (nButton == SIP_ACTION_OPTIONS)
    {
        DrawUpArrowGlyph(canvas, cx, cy, u * 0.95, ink);
        return;
    }
    const std::wstring caption = kCaptions[nButton];
    const double dRoom = rc.Width() - 4 * u;
    const int nEm = text.FitHeight(caption, 11 * nScale, false, true, dRoom);
    text.DrawCentred(canvas, caption, cx, cy, nEm, false, ink, true);
}

}  // namespace

BarImages PaintBar(const BarButtonLayout& layout, int nScale, CTextPainter& text)
{
    const BarColours colours;
    const int nWidth = 240 * nScale;
    const int nHeight = 54 * nScale;
    // Painted one unit taller than the bitmap: the tall buttons' rectangles reach a
    // row below it, and their pressed images must be whole.
    CCanvas canvas(nWidth, nHeight + 2 * nScale);
    canvas.FillGradient({0, 0, nWidth, nHeight}, colours.background);
    canvas.FillRect({0, nHeight, nWidth, nHeight + 2 * nScale}, colours.background.bottom);
    canvas.FillRect({0, 0, nWidth, 1}, colours.topLine);
    for (int i = 0; i < kBarButtonCount; ++i)
        PaintButton(canvas, i, ButtonFace(layout.aRects[i], nScale, nHeight), nScale, false, text);

    BarImages images;
    images.bar = canvas.Crop({0, 0, nWidth, nHeight});
    for (int i = 0; i < kBarButtonCount; ++i)
    {
        const PixelRect rc = ToPixelRect(layout.aRects[i]);
        CCanvas pressed = canvas.Crop(rc);
        const PixelRect face = ButtonFace(layout.aRects[i], nScale, nHeight);
        PaintButton(pressed, i, {face.nLeft - rc.nLeft, face.nTop - rc.nTop, face.nRight - rc.nLeft, face.nBottom - rc.nTop},
                    nScale, true, text);
        images.pressed[i] = pressed;
    }
    return images;
}
