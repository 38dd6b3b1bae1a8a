#include "sip/BarLayout.h"
#include "sip/SipBarWindow.h"
#include "sip/SipPanel.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/GdiHandles.h"

namespace
{

constexpr wchar_t kInitializingNotice[] = L"Initializing, please wait...";
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kTextFontHeight96 = 16;
constexpr int kTextFontSlot = 1;

// Fills rc with one colour, edge included, as Rectangle draws it.
void FillWithColour(HDC hdc, const RECT& rc, COLORREF colour)
{
    CUniqueBrush brush(CreateSolidBrush(colour));
    CUniquePen pen(CreatePen(PS_SOLID, 1, colour));
    CSelectObject selectBrush(hdc, brush.Get());
    CSelectObject selectPen(hdc, pen.Get());
    Rectangle(hdc, rc.left, rc.top, rc.right, rc.bottom);
}

// A one-pixel outline just inside rc, drawn with hBrush.
void Outline(HDC hdc, const RECT& rc, HBRUSH hBrush)
{
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return;
    const RECT aEdges[4] = {{rc.left, rc.top, rc.right, rc.top + 1},
                            {rc.left, rc.bottom - 1, rc.right, rc.bottom},
                            {rc.left, rc.top, rc.left + 1, rc.bottom},
                            {rc.right - 1, rc.top, rc.right, rc.bottom}};
    for (const RECT& rcEdge : aEdges)
        FillRect(hdc, &rcEdge, hBrush);
}

} // namespace

void PaintInitializingNotice(HDC hdc, RECT rcClient)
{
    FillWithColour(hdc, rcClient, GetSysColor(COLOR_WINDOW));
    {
        CUniquePen pen(CreatePen(PS_SOLID, 1, kBlack));
        CSelectObject selectPen(hdc, pen.Get());
        const POINT aLine[2] = {{rcClient.left, rcClient.top}, {rcClient.right, rcClient.top}};
        Polyline(hdc, aLine, 2);
    }
    rcClient.top += 2;
    HFONT hFont = CFontHelper::Instance().GetFont(kTextFontSlot, ScaleByDpi(kTextFontHeight96), FW_NORMAL,
                                                  g_szFaceName);
    CSelectObject selectFont(hdc, hFont);
    DrawTextW(hdc, kInitializingNotice, -1, &rcClient, DT_CENTER | DT_SINGLELINE);
}

HBITMAP CreatePlainBarBitmap(const BarButtonLayout& layout)
{
    CWindowDc screen(nullptr);
    CMemoryDc memoryDc(CreateCompatibleDC(screen.Get()));
    CUniqueBitmap bar(CreateCompatibleBitmap(screen.Get(), layout.nBarWidth, layout.nBarHeight));
    CUniqueBrush black(CreateSolidBrush(kBlack));
    if (!screen || !memoryDc || !bar || !black)
        return nullptr;
    CSelectObject selectBar(memoryDc.Get(), bar.Get());
    FillWithColour(memoryDc.Get(), RECT{0, 0, layout.nBarWidth, layout.nBarHeight}, kWhite);
    for (const BarRect& rc : layout.aRects)
    {
        const RECT rcButton = {rc.left, rc.top, rc.right, rc.bottom};
        Outline(memoryDc.Get(), rcButton, black.Get());
    }
    return bar.Release();
}

void SipPanel::Paint(HDC hdc, const RECT& rcClient) const
{
    const int nWidth = rcClient.right - rcClient.left;
    const int nHeight = rcClient.bottom - rcClient.top;
    CMemoryDc memoryDc(CreateCompatibleDC(hdc));
    CUniqueBitmap buffer(CreateCompatibleBitmap(hdc, nWidth, nHeight));
    if (!memoryDc || !buffer)
        return;
    {
        CSelectObject selectBuffer(memoryDc.Get(), buffer.Get());
        const HDC hdcMem = memoryDc.Get();
        const RECT rcBuffer = {0, 0, nWidth, nHeight};
        FillWithColour(hdcMem, rcBuffer, kWhite);
        {
            CUniquePen pen(CreatePen(PS_SOLID, 1, kBlack));
            CSelectObject selectPen(hdcMem, pen.Get());
            MoveToEx(hdcMem, 0, 0, nullptr);
            LineTo(hdcMem, nWidth, 0);
        }
        const int x = BarLeft(rcClient.left, rcClient.right, GetBitmapWidth(g_hBarBitmap));
        // The buffer's origin is the client rectangle's top-left corner.
        const int xBuffer = x - rcClient.left;
        DrawBitmapAt(hdcMem, xBuffer, 0, g_hBarBitmap);
        if (m_nPressed >= 0 && m_nPressed < kBarButtonCount)
        {
            const BarButton& button = m_aButtons[m_nPressed];
            DrawBitmapAt(hdcMem, xBuffer + button.rc.left, button.rc.top, button.hPressed);
        }
        BitBlt(hdc, rcClient.left, rcClient.top, nWidth, nHeight, hdcMem, 0, 0, SRCCOPY);
    }
}
