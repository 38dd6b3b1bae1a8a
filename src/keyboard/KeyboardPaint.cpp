#include "keyboard/KeyboardPaint.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyImagePainter.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardCanvas.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardLayers.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyStripPaint.h"
#include "keyboard/KeyboardTouch.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <cwchar>
#include <windowsx.h>

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

// The press captures the stylus for this control, so the moves and the lift
// of a press arrive here rather than at the dialog; and a press on the
// keyboard must reach the keyboard, not the hidden edit control beneath it.
// Each goes to the dialog's stylus handlers in dialog client coordinates.
void RouteStylus(HWND hwnd, UINT uMsg, LPARAM lParam)
{
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const HWND hDlg = GetParent(hwnd);
    MapWindowPoints(hwnd, hDlg, &pt, 1);
    switch (uMsg)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnKeyboardLButtonDown(hwnd, pt.x, pt.y); break;
    case WM_MOUSEMOVE: OnKeyboardMouseMove(hwnd, pt.x, pt.y); break;
    case WM_LBUTTONUP: OnKeyboardLButtonUp(hwnd, pt.x, pt.y); break;
    default: break;
    }
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

LRESULT CALLBACK KeyboardSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
        PaintKeyboardControl(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY:
        ReleaseKeyboardCanvas();
        return CallWindowProcW(g_pfnKeyboardProc, hwnd, uMsg, wParam, lParam);
    case WM_NCHITTEST:
        // A plain static control lets the stylus fall through to what lies
        // beneath; the keyboard takes it.
        return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:   // a quick second tap on a key is a tap like the first
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        RouteStylus(hwnd, uMsg, lParam);
        return 0;
    default:
        return CallWindowProcW(g_pfnKeyboardProc, hwnd, uMsg, wParam, lParam);
    }
}

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
