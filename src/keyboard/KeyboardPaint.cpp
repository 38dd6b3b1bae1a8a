#include "keyboard/KeyboardPaint.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyboardTouch.h"
#include "platform/TransparentImage.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <cwchar>
#include <windowsx.h>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

void DrawLatchedKey(HDC hdc, int nIndex)
{
    KeyRecord key{};
    if (GetKeyRecord(nIndex, &key))
        DrawKeyImage(hdc, key.rcKey.left, key.rcKey.top, key.hPressedImage, 0);
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

LRESULT OnPaint(HWND hwnd)
{
    CPaintDc dc(hwnd);
    RECT rc{};
    GetClientRect(hwnd, &rc);
    PaintKeyboard(hwnd, dc.Get(), rc);
    return 0;
}

}  // namespace

LRESULT CALLBACK KeyboardSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_ERASEBKGND:
        return 1;
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

void PaintKeyboard(HWND hwnd, HDC hdc, const RECT& rcClient)
{
    const int nWidth = rcClient.right - rcClient.left;
    const int nHeight = rcClient.bottom - rcClient.top;
    CMemoryDc memDc(CreateCompatibleDC(hdc));
    CUniqueBitmap bitmap(CreateCompatibleBitmap(hdc, nWidth, nHeight));
    if (!memDc || !bitmap)
        return;
    CSelectObject selectBitmap(memDc.Get(), bitmap.Get());
    FillBlack(memDc.Get(), nWidth, nHeight);
    DrawKeyboard(hwnd, memDc.Get(), rcClient);
    BitBlt(hdc, rcClient.left, rcClient.top, nWidth, nHeight, memDc.Get(), 0, 0, SRCCOPY);
}

void DrawKeyboard(HWND /*hwnd*/, HDC hdc, const RECT& /*rcClient*/)
{
    DrawBitmapAt(hdc, 0, 0, GetViewBackground(GetCurrentView()));

    RECT rcEdit{};
    GetEditViewRect(&rcEdit);
    DrawEditViewText(g_hEditCtrlWnd, hdc, rcEdit);
    DrawEditCaret(g_hEditCtrlWnd, hdc, rcEdit);

    RECT rcChar{};
    GetCharViewRect(&rcChar);
    GetKeyLabel();
    DrawKeyPreview(hdc, rcChar);

    if (GetPressedKey() != KEY_NONE)
        DrawLatchedKey(hdc, GetPressedKey());
    if (IsCapsOn())
        DrawLatchedKey(hdc, KEY_CAPS);
    if (IsShiftOn())
        DrawLatchedKey(hdc, KEY_SHIFT);
}

BOOL DrawKeyImage(HDC hdc, int x, int y, HBITMAP hBitmap, COLORREF crKey)
{
    const int nWidth = GetBitmapWidth(hBitmap);
    const int nHeight = GetBitmapHeight(hBitmap);
    if (nWidth <= 0 || nHeight <= 0)
        return FALSE;
    CMemoryDc srcDc(CreateCompatibleDC(hdc));
    if (!srcDc)
        return FALSE;
    CSelectObject select(srcDc.Get(), hBitmap);
    if (!select.Succeeded())
        return FALSE;
    // The last row and column of a pressed image are not drawn.
    return TransparentImage(hdc, x, y, nWidth - 1, nHeight - 1, srcDc.Get(), 0, 0, nWidth - 1, nHeight - 1,
                            crKey != 0 ? crKey : kMagenta);
}

void DrawKeyPreview(HDC hdc, const RECT& rcArea)
{
    const WCHAR* pszLabel = GetKeyLabel();
    PreviewFontFor(CurrentTextTurn()).DrawInRect(hdc, rcArea, pszLabel, static_cast<int>(std::wcslen(pszLabel)));
}
