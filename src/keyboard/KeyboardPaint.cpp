#include "keyboard/KeyboardPaint.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyStripPaint.h"
#include "keyboard/KeyboardTouch.h"
#include "platform/TransparentImage.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

#include <cwchar>
#include <optional>
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

// The keyboard control's off-screen canvas, kept from one paint to the next while
// the control lives: every stylus event repaints the whole keyboard, and making
// and freeing a DC and a bitmap of its size each time was a fifth of a paint.
class CKeyboardCanvas
{
public:
    // The memory DC with a bitmap of nWidth x nHeight for hdc's format selected; null on failure.
    HDC For(HWND hwnd, HDC hdc, int nWidth, int nHeight)
    {
        if (m_dc && m_hwnd == hwnd && m_nWidth == nWidth && m_nHeight == nHeight)
            return m_dc.Get();
        Release();
        m_dc.Reset(CreateCompatibleDC(hdc));
        m_bitmap.Reset(CreateCompatibleBitmap(hdc, nWidth, nHeight));
        m_hOldBitmap = m_dc && m_bitmap ? SelectObject(m_dc.Get(), m_bitmap.Get()) : nullptr;
        if (m_hOldBitmap == nullptr || m_hOldBitmap == HGDI_ERROR)
        {
            m_hOldBitmap = nullptr;
            Release();
            return nullptr;
        }
        m_hwnd = hwnd;
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        return m_dc.Get();
    }
    void Release()
    {
        if (m_hOldBitmap != nullptr)
            SelectObject(m_dc.Get(), m_hOldBitmap);
        m_hOldBitmap = nullptr;
        m_dc.Reset();
        m_bitmap.Reset();
        m_hwnd = nullptr;
    }

private:
    HWND m_hwnd = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CMemoryDc m_dc;
    CUniqueBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
};

CKeyboardCanvas g_canvas;

// A background as large as the area hides the black beneath it entirely.
bool CoversArea(HBITMAP hBitmap, int nWidth, int nHeight)
{
    return GetBitmapWidth(hBitmap) >= nWidth && GetBitmapHeight(hBitmap) >= nHeight;
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
    case WM_DESTROY:
        g_canvas.Release();
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
    case WM_CAPTURECHANGED:
        OnKeyboardCaptureChanged(hwnd, reinterpret_cast<HWND>(lParam));
        return 0;
    default:
        return CallWindowProcW(g_pfnKeyboardProc, hwnd, uMsg, wParam, lParam);
    }
}

void PaintKeyboard(HWND hwnd, HDC hdc, const RECT& rcClient)
{
    const int nWidth = rcClient.right - rcClient.left;
    const int nHeight = rcClient.bottom - rcClient.top;
    // Without a window (a picture of the keyboard) the canvas lives for this paint only.
    CMemoryDc ownDc;
    CUniqueBitmap ownBitmap;
    std::optional<CSelectObject> selectOwn;
    HDC hdcCanvas = nullptr;
    if (hwnd != nullptr)
    {
        hdcCanvas = g_canvas.For(hwnd, hdc, nWidth, nHeight);
    }
    else
    {
        ownDc.Reset(CreateCompatibleDC(hdc));
        ownBitmap.Reset(CreateCompatibleBitmap(hdc, nWidth, nHeight));
        if (ownDc && ownBitmap)
        {
            selectOwn.emplace(ownDc.Get(), ownBitmap.Get());
            hdcCanvas = ownDc.Get();
        }
    }
    if (hdcCanvas == nullptr)
        return;
    if (!CoversArea(GetViewBackground(GetCurrentView()), nWidth, nHeight))
        FillBlack(hdcCanvas, nWidth, nHeight);
    DrawKeyboard(hwnd, hdcCanvas, rcClient);
    BitBlt(hdc, rcClient.left, rcClient.top, nWidth, nHeight, hdcCanvas, 0, 0, SRCCOPY);
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
    DrawKeyStrip(hdc);
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
