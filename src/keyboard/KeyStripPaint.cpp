#include "keyboard/KeyStripPaint.h"

#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "platform/DeviceGdi.h"
#include "platform/TransparentImage.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

RECT ToRect(const ViewRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

// The held key as the view's background shows it, stretched over the cell;
// black without a background.
void DrawKeyFace(HDC hdc, const RECT& rcCell, HDC hdcBackground, const RECT& rcKey)
{
    if (hdcBackground == nullptr)
    {
        FillRect(hdc, &rcCell, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    ce::StretchBlt(hdc, rcCell.left, rcCell.top, Width(rcCell), Height(rcCell), hdcBackground, rcKey.left, rcKey.top,
               Width(rcKey), Height(rcKey), SRCCOPY);
}

// The pressed image stretched over the cell, without its last row and column
// as keys draw it, its magenta left transparent.
void DrawPressedFace(HDC hdc, const RECT& rcCell, HBITMAP hPressed)
{
    const int nWidth = GetBitmapWidth(hPressed);
    const int nHeight = GetBitmapHeight(hPressed);
    CMemoryDc srcDc(CreateCompatibleDC(hdc));
    if (nWidth <= 1 || nHeight <= 1 || !srcDc)
        return;
    CSelectObject select(srcDc.Get(), hPressed);
    if (select.Succeeded())
        TransparentImage(hdc, rcCell.left, rcCell.top, Width(rcCell), Height(rcCell), srcDc.Get(), 0, 0, nWidth - 1,
                         nHeight - 1, kMagenta);
}

// A one-pixel line round the cell, so that cells stand apart from the keys beneath.
void DrawCellFrame(HDC hdc, const RECT& rcCell)
{
    CSelectObject pen(hdc, GetStockObject(BLACK_PEN));
    CSelectObject brush(hdc, GetStockObject(NULL_BRUSH));
    Rectangle(hdc, rcCell.left, rcCell.top, rcCell.right, rcCell.bottom);
}

void DrawCellLabel(HDC hdc, const CRotatedFont& font, const RECT& rcCell, wchar_t ch)
{
    // Labels are drawn with prefix processing: an ampersand is written twice.
    const WCHAR szLabel[3] = {ch, ch == L'&' ? L'&' : L'\0', L'\0'};
    font.DrawInRect(hdc, rcCell, szLabel, ch == L'&' ? 2 : 1);
}

}  // namespace

void DrawKeyStrip(HDC hdc)
{
    KeyRecord key{};
    if (!IsKeyStripOpen() || !GetKeyRecord(g_keyStrip.nKey, &key))
        return;
    CMemoryDc backgroundDc(CreateCompatibleDC(hdc));
    const HBITMAP hBackground = GetViewBackground(GetCurrentView());
    CSelectObject selectBackground(backgroundDc.Get(), hBackground);
    const HDC hdcBackground = hBackground != nullptr && selectBackground.Succeeded() ? backgroundDc.Get() : nullptr;
    const CRotatedFont& font = CellFontFor(CurrentTextTurn());
    for (int i = 0; i < g_keyStrip.nCount; ++i)
    {
        const RECT rcCell = ToRect(g_keyStrip.aCells[i]);
        DrawKeyFace(hdc, rcCell, hdcBackground, key.rcKey);
        if (i == g_keyStrip.nPressedCell)
            DrawPressedFace(hdc, rcCell, key.hPressedImage);
        DrawCellFrame(hdc, rcCell);
        DrawCellLabel(hdc, font, rcCell, g_keyStrip.aChars[i]);
    }
}
