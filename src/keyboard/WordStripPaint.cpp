#include "keyboard/WordStripPaint.h"

#include "keyboard/Ampersands.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/WordCompletion.h"
#include "support/GdiHandles.h"

#include <cwchar>

namespace {

RECT ToRect(const ViewRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void Line(HDC hdc, int x0, int y0, int x1, int y1)
{
    MoveToEx(hdc, x0, y0, nullptr);
    LineTo(hdc, x1, y1);
}

// A short line across the strip where a cell begins, as the text reads.
void DrawSeparator(HDC hdc, const ViewRect& c, TextTurn turn)
{
    switch (turn)
    {
    case TextTurn::Clockwise:   // reads down: a cell begins at its top
    {
        const int nInset = (c.right - c.left) / 4;
        Line(hdc, c.left + nInset, c.top, c.right - nInset, c.top);
        return;
    }
    case TextTurn::CounterClockwise:   // reads up: a cell begins at its bottom
    {
        const int nInset = (c.right - c.left) / 4;
        Line(hdc, c.left + nInset, c.bottom - 1, c.right - nInset, c.bottom - 1);
        return;
    }
    case TextTurn::Upright:
        break;
    }
    const int nInset = (c.bottom - c.top) / 4;
    Line(hdc, c.left, c.top + nInset, c.left, c.bottom - nInset);
}

// The band's edge toward the typed text above it, as the text reads.
void DrawBandEdge(HDC hdc, const ViewRect& s, TextTurn turn)
{
    switch (turn)
    {
    case TextTurn::Clockwise: Line(hdc, s.right - 1, s.top, s.right - 1, s.bottom); return;
    case TextTurn::CounterClockwise: Line(hdc, s.left, s.top, s.left, s.bottom); return;
    case TextTurn::Upright: break;
    }
    Line(hdc, s.left, s.top, s.right, s.top);
}

void DrawWord(HDC hdc, const CRotatedFont& font, const RECT& rcCell, const wchar_t* pszWord)
{
    // Drawn with prefix processing, like every text of the keyboard.
    WCHAR szDoubled[2 * (kMaxWordUnits + 1)];
    if (std::wcslen(pszWord) > kMaxWordUnits)
        return;
    DoubleAmpersands(pszWord, szDoubled);
    font.DrawInRect(hdc, rcCell, szDoubled, static_cast<int>(std::wcslen(szDoubled)));
}

}  // namespace

void DrawWordStrip(HDC hdc, TextTurn turn, const std::function<bool(const RECT& rcCell)>& enterCell)
{
    const WordStripView view = CurrentWordStrip();
    if (!view.bShown)
        return;
    const CRotatedFont& font = EditFontFor(turn);
    for (int i = 0; i < view.nCells; ++i)
    {
        if (view.apszWords[i] != nullptr && enterCell(ToRect(view.aCells[i])))
            DrawWord(hdc, font, ToRect(view.aCells[i]), view.apszWords[i]);
    }
    // Lines and the pressed cell over the whole strip.
    if (!enterCell(ToRect(view.rcStrip)))
        return;
    CSelectObject pen(hdc, GetStockObject(BLACK_PEN));
    if (view.bInEditView)
        DrawBandEdge(hdc, view.rcStrip, turn);
    for (int i = 1; i < view.nCells && view.apszWords[i] != nullptr; ++i)
        DrawSeparator(hdc, view.aCells[i], turn);
    if (view.nPressedCell >= 0)
    {
        const RECT rcPressed = ToRect(view.aCells[view.nPressedCell]);
        InvertRect(hdc, &rcPressed);
    }
}
