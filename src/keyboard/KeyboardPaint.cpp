#include "keyboard/KeyboardPaint.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyImagePainter.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardLayers.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyStripPaint.h"
#include "keyboard/WordStripPaint.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <cwchar>

namespace {

void DrawLatchedKey(HDC hdc, CKeyImagePainter& painter, int nIndex)
{
    KeyRecord key{};
    if (GetKeyRecord(nIndex, &key))
        painter.DrawKeyImage(hdc, key.rcKey.left, key.rcKey.top, key.hPressedImage);
}

void FillBlack(HDC hdc, int nWidth, int nHeight)
{
    CUniquePen pen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    CUniqueBrush brush(CreateSolidBrush(RGB(0, 0, 0)));
    CSelectObject selectPen(hdc, pen.Get());
    CSelectObject selectBrush(hdc, brush.Get());
    Rectangle(hdc, 0, 0, nWidth, nHeight);
}

// A background as large as the area hides the black beneath it entirely.
bool CoversArea(HBITMAP hBitmap, int nWidth, int nHeight)
{
    return GetBitmapWidth(hBitmap) >= nWidth && GetBitmapHeight(hBitmap) >= nHeight;
}

// Keeps drawing inside the part of the canvas being repainted (all of it when
// hrgnPaint is null) and, for one layer at a time, inside that layer's box. The
// canvas has no clip of its own.
class CLayerClip
{
public:
    CLayerClip(HDC hdc, HRGN hrgnPaint) : m_hdc(hdc), m_hrgnPaint(hrgnPaint) { SelectClipRgn(m_hdc, m_hrgnPaint); }
    ~CLayerClip() { SelectClipRgn(m_hdc, nullptr); }
    CLayerClip(const CLayerClip&) = delete;
    CLayerClip& operator=(const CLayerClip&) = delete;

    // Narrows the clip to the box; false when nothing of it is repainted.
    bool Enter(const RECT& rcBox)
    {
        SelectClipRgn(m_hdc, m_hrgnPaint);
        if (IsRectEmpty(&rcBox))
            return false;
        return IntersectClipRect(m_hdc, rcBox.left, rcBox.top, rcBox.right, rcBox.bottom) > NULLREGION;
    }
    void Leave() { SelectClipRgn(m_hdc, m_hrgnPaint); }
    bool IsRepainted(const RECT& rc) const { return !IsRectEmpty(&rc) && RectVisible(m_hdc, &rc); }

private:
    HDC m_hdc;
    HRGN m_hrgnPaint;
};

RECT LatchedKeyRect(int nIndex)
{
    KeyRecord key{};
    if (!GetKeyRecord(nIndex, &key))
        return RECT{};
    return RECT{key.rcKey.left, key.rcKey.top, key.rcKey.left + GetBitmapWidth(key.hPressedImage) - 1,
                key.rcKey.top + GetBitmapHeight(key.hPressedImage) - 1};
}

}  // namespace

void PaintKeyboard(HWND /*hwnd*/, HDC hdc, const RECT& rcClient)
{
    const int nWidth = rcClient.right - rcClient.left;
    const int nHeight = rcClient.bottom - rcClient.top;
    CMemoryDc canvasDc(CreateCompatibleDC(hdc));
    CUniqueBitmap canvas(CreateCompatibleBitmap(hdc, nWidth, nHeight));
    if (!canvasDc || !canvas)
        return;
    CSelectObject select(canvasDc.Get(), canvas.Get());
    CKeyImagePainter painter;
    ComposeKeyboard(canvasDc.Get(), nWidth, nHeight, CurrentKeyboardFrame(nWidth, nHeight), nullptr, painter);
    BitBlt(hdc, rcClient.left, rcClient.top, nWidth, nHeight, canvasDc.Get(), 0, 0, SRCCOPY);
}

void DrawKeyboard(HWND /*hwnd*/, HDC hdc, const RECT& rcClient)
{
    const int nWidth = rcClient.right - rcClient.left;
    const int nHeight = rcClient.bottom - rcClient.top;
    CKeyImagePainter painter;
    ComposeKeyboard(hdc, nWidth, nHeight, CurrentKeyboardFrame(nWidth, nHeight), nullptr, painter);
}

void ComposeKeyboard(HDC hdc, int nWidth, int nHeight, const KeyboardFrame& frame, const PaintArea* pArea,
                     CKeyImagePainter& painter)
{
    CLayerClip clip(hdc, pArea != nullptr ? pArea->hrgn : nullptr);
    const HBITMAP hBackground = GetViewBackground(GetCurrentView());
    if (!CoversArea(hBackground, nWidth, nHeight))
        FillBlack(hdc, nWidth, nHeight);
    const RECT rcAll{0, 0, nWidth, nHeight};
    painter.CopyRects(hdc, hBackground, pArea != nullptr ? pArea->pRects : &rcAll, pArea != nullptr ? pArea->nRects : 1);

    RECT rcEdit{};
    GetEditViewRect(&rcEdit);
    DrawEditViewText(g_hEditCtrlWnd, hdc, rcEdit, TextTurnFor(frame.turn),
                     [&](int nLine) { return clip.Enter(LayerRect(frame, EditLineLayer(nLine))); });
    if (clip.Enter(LayerRect(frame, LAYER_CARET)))
        DrawEditCaret(g_hEditCtrlWnd, hdc, rcEdit, frame.turn);
    if (clip.Enter(LayerRect(frame, LAYER_WORDS)))
    {
        DrawWordStrip(hdc, TextTurnFor(frame.turn), [&](const RECT& rc) {
            return clip.Enter(LayerRect(frame, LAYER_WORDS)) &&
                   IntersectClipRect(hdc, rc.left, rc.top, rc.right, rc.bottom) > NULLREGION;
        });
    }
    if (clip.Enter(LayerRect(frame, LAYER_PREVIEW)))
    {
        RECT rcChar{};
        GetCharViewRect(&rcChar);
        DrawKeyPreview(hdc, rcChar, TextTurnFor(frame.turn));
    }
    clip.Leave();

    // Pressed images stay inside their own rectangles.
    if (GetPressedKey() != KEY_NONE && clip.IsRepainted(LayerRect(frame, LAYER_HELD_KEY)))
        DrawLatchedKey(hdc, painter, GetPressedKey());
    if (IsCapsOn() && clip.IsRepainted(LatchedKeyRect(KEY_CAPS)))
        DrawLatchedKey(hdc, painter, KEY_CAPS);
    if (IsShiftOn() && clip.IsRepainted(LatchedKeyRect(KEY_SHIFT)))
        DrawLatchedKey(hdc, painter, KEY_SHIFT);
    if (clip.Enter(LayerRect(frame, LAYER_STRIP)))
        DrawKeyStrip(hdc);
}

void DrawKeyPreview(HDC hdc, const RECT& rcArea, TextTurn turn)
{
    const WCHAR* pszLabel = GetKeyLabel();
    PreviewFontFor(turn).DrawInRect(hdc, rcArea, pszLabel, static_cast<int>(std::wcslen(pszLabel)));
}
