#include "SkinPainter.h"

#include "Glyphs.h"

#include <cmath>

namespace {

enum class KeyState { Normal, Lit, Pressed };

struct KeyPaintContext
{
    const SkinTheme& theme;
    const KeyboardPlan& plan;
    CTextPainter& text;
};

double Unit(const KeyboardPlan& plan) { return plan.nScale; }

PixelRect Inset(const PixelRect& rc, int l, int t, int r, int b)
{
    return {rc.nLeft + l, rc.nTop + t, rc.nRight - r, rc.nBottom - b};
}

bool IsCharacterKey(int nKey) { return nKey < KEY_OK || nKey >= KEY_NUMBER_FIRST; }

// A key cap filling rc: outline, a light line along the top, the face, and a thicker
// bottom edge that gives the key its depth.
void PaintCap(CCanvas& canvas, const PixelRect& rc, double dRadius, int u, const Gradient& face, Colour border,
              Colour highlight)
{
    canvas.FillRoundRect(rc, dRadius, {border, border});
    canvas.FillRoundRect(Inset(rc, u, u, u, 2 * u), dRadius - u, {highlight, highlight});
    canvas.FillRoundRect(Inset(rc, u, 2 * u, u, 2 * u), dRadius - u, face);
}

void PaintLabel(const KeyPaintContext& ctx, CCanvas& canvas, const PixelRect& rc, int nKey, Colour label,
                Colour small)
{
    const KeyInfo* pInfo = FindKeyInfo(nKey);
    const double u = Unit(ctx.plan);
    const int s = ctx.plan.nScale;
    const double cx = (rc.nLeft + rc.nRight) / 2.0;
    const double cy = (rc.nTop + rc.nBottom) / 2.0 - 0.5 * u;
    switch (nKey)
    {
    case KEY_OK: ctx.text.DrawCentred(canvas, L"OK", cx, cy, 15 * s, true, label); return;
    case KEY_SPACE: DrawSpaceGlyph(canvas, cx, cy + 3 * u, u, label); return;
    case KEY_123: ctx.text.DrawCentred(canvas, L"123", cx, cy, 12 * s, true, label); return;
    case KEY_AT: ctx.text.DrawCentred(canvas, L"#@", cx, cy, 13 * s, true, label); return;
    case KEY_CAPS: DrawCapsGlyph(canvas, cx, cy - 1 * u, u, label); return;
    case KEY_ENTER: DrawEnterGlyph(canvas, cx, cy, u, label); return;
    case KEY_SHIFT: DrawShiftGlyph(canvas, cx, cy, u, label); return;
    case KEY_BACKSPACE: DrawBackspaceGlyph(canvas, cx, cy, u, label); return;
    default: break;
    }
    if (pInfo == nullptr || pInfo->pszText == nullptr)
        return;
    if (pInfo->kind == KeyKind::Letter)
    {
        ctx.text.DrawCentred(canvas, pInfo->pszShifted, cx, cy, 16 * s, true, label);
    }
    else if (pInfo->kind == KeyKind::Punctuation)
    {
        // The sign it types in the middle, the one shift gives small in the top right corner.
        ctx.text.DrawCentred(canvas, pInfo->pszText, cx - 2 * u, cy + 1 * u, 18 * s, true, label);
        ctx.text.DrawCentred(canvas, pInfo->pszShifted, rc.nRight - 8 * u, rc.nTop + 9 * u, 11 * s, true, small);
    }
    else
    {
        const bool bNumberView = pInfo->nView == VIEW_NUMBER;
        ctx.text.DrawCentred(canvas, pInfo->pszText, cx, cy, (bNumberView ? 20 : 17) * s, true, label);
    }
}

void PaintKey(const KeyPaintContext& ctx, CCanvas& canvas, const PixelRect& rc, int nKey, KeyState state)
{
    const SkinTheme& t = ctx.theme;
    const int u = ctx.plan.nScale;
    const double dRadius = KeyCornerRadius(ctx.plan.nScale);
    if (state == KeyState::Lit)
    {
        PaintCap(canvas, rc, dRadius, u, t.litFace, t.keyBorder, MixColour(t.litFace.top, 0xFFFFFF, 90));
        PaintLabel(ctx, canvas, rc, nKey, t.litLabel, t.litLabel);
    }
    else if (state == KeyState::Pressed)
    {
        PaintCap(canvas, rc, dRadius, u, t.pressedFace, t.pressedBorder, MixColour(t.pressedFace.top, 0xFFFFFF, 90));
        PaintLabel(ctx, canvas, rc, nKey, t.pressedLabel, MixColour(t.pressedLabel, t.pressedFace.bottom, 80));
    }
    else if (nKey == KEY_OK)
    {
        PaintCap(canvas, rc, dRadius, u, t.okFace, t.keyBorder, MixColour(t.okFace.top, 0xFFFFFF, 90));
        PaintLabel(ctx, canvas, rc, nKey, t.okLabel, t.okLabel);
    }
    else if (IsCharacterKey(nKey))
    {
        PaintCap(canvas, rc, dRadius, u, t.letterFace, t.keyBorder, t.keyHighlight);
        PaintLabel(ctx, canvas, rc, nKey, t.letterLabel, t.shiftedLabel);
    }
    else
    {
        PaintCap(canvas, rc, dRadius, u, t.functionFace, t.keyBorder, t.keyHighlight);
        PaintLabel(ctx, canvas, rc, nKey, t.functionLabel, t.shiftedLabel);
    }
}

void PaintPanel(const KeyPaintContext& ctx, CCanvas& canvas, const PixelRect& rc)
{
    const int u = ctx.plan.nScale;
    canvas.FillRoundRect(rc, 4.0 * u, {ctx.theme.panelBorder, ctx.theme.panelBorder});
    canvas.FillRoundRect(Inset(rc, u, u, u, u), 3.0 * u, ctx.theme.panelFace);
}

// A line in the panel's border colour across the gap between the typed text and the
// offered words.
void PaintWordDivider(const KeyPaintContext& ctx, CCanvas& canvas)
{
    const PixelRect& text = ctx.plan.rcEditView;
    const PixelRect& words = ctx.plan.rcWordView;
    const int nTop = (text.nBottom + words.nTop) / 2 - ctx.plan.nScale / 2;
    canvas.FillRect({words.nLeft, nTop, words.nRight, nTop + ctx.plan.nScale}, ctx.theme.panelBorder);
}

CCanvas PaintBackground(const KeyPaintContext& ctx, int nView)
{
    CCanvas canvas(ctx.plan.nWidth, ctx.plan.nHeight);
    canvas.FillGradient({0, 0, ctx.plan.nWidth, ctx.plan.nHeight}, ctx.theme.background);
    PaintPanel(ctx, canvas, ctx.plan.rcEditPanel);
    PaintWordDivider(ctx, canvas);
    PaintPanel(ctx, canvas, ctx.plan.rcCharPanel);
    for (int nKey : KeysOfView(nView))
    {
        // The view key of the view on show is lit, like a selected tab (pressing it again goes
        // back); its pressed image still differs, so a finger on it gets an answer.
        const bool bLit = (nKey == KEY_123 && nView == VIEW_NUMBER) || (nKey == KEY_AT && nView == VIEW_SYMBOL);
        PaintKey(ctx, canvas, ctx.plan.keys[nKey], nKey, bLit ? KeyState::Lit : KeyState::Normal);
    }
    return canvas;
}

// The pressed key over the very background it covers; what lies outside the rounded
// corners becomes the transparent colour. Edge pixels keep their blend with the real
// background, so the corners stay smooth without a magenta fringe.
CCanvas PaintPressedImage(const KeyPaintContext& ctx, const CCanvas& background, int nKey)
{
    const PixelRect& rc = ctx.plan.keys[nKey];
    CCanvas image = background.Crop(rc);
    const PixelRect rcLocal{0, 0, rc.Width(), rc.Height()};
    PaintKey(ctx, image, rcLocal, nKey, KeyState::Pressed);
    const double dRadius = KeyCornerRadius(ctx.plan.nScale);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
        {
            bool bTouched = false;
            for (int sy = 0; sy < 4 && !bTouched; ++sy)
                for (int sx = 0; sx < 4 && !bTouched; ++sx)
                    bTouched = IsInsideRoundRect(rcLocal, dRadius, x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
            if (!bTouched)
                image.Set(x, y, COLOUR_KEY);
        }
    return image;
}

}  // namespace

double KeyCornerRadius(int nScale)
{
    return 5.0 * nScale;
}

const CCanvas& SkinImages::Background(int nView) const
{
    if (nView == VIEW_SYMBOL)
        return symbolBackground;
    if (nView == VIEW_NUMBER)
        return numberBackground;
    return charBackground;
}

SkinImages PaintSkin(const SkinTheme& theme, const KeyboardPlan& plan, CTextPainter& text)
{
    const KeyPaintContext ctx{theme, plan, text};
    SkinImages images;
    images.charBackground = PaintBackground(ctx, VIEW_CHAR);
    images.symbolBackground = PaintBackground(ctx, VIEW_SYMBOL);
    images.numberBackground = PaintBackground(ctx, VIEW_NUMBER);
    images.pressed.reserve(KEY_COUNT);
    for (int nKey = 0; nKey < KEY_COUNT; ++nKey)
    {
        const int nView = GetDefaultKeyView(nKey);
        images.pressed.push_back(PaintPressedImage(ctx, images.Background(nView == VIEW_ALL ? VIEW_CHAR : nView), nKey));
    }
    return images;
}
