#pragma once
#include <windows.h>

// A font turned by 0, 90 or 270 degrees and the text drawing that goes with
// it: turned text is placed so that it starts, or is centred, where upright
// text would.
class CRotatedFont
{
public:
    CRotatedFont() = default;
    virtual ~CRotatedFont();
    CRotatedFont(const CRotatedFont&) = delete;
    CRotatedFont& operator=(const CRotatedFont&) = delete;

    // Makes the font from the window's own font (WM_GETFONT) with the given
    // escapement (0, 900 or 2700), height (0 keeps the window font's) and
    // style. False when the window is null, reports no font, or the
    // escapement is another angle. An existing font is not deleted first.
    bool Create(HWND hwnd, int nHeight, int nEscapement, BOOL bBold, BYTE bItalic, BYTE bUnderline,
                BYTE bStrikeOut);
    bool IsCreated() const { return m_hFont != nullptr; }
    // Deletes the font and returns to the state of a new object.
    void Release();

    // Draws text whose reading starts at (x, y).
    void DrawAt(HDC hdc, int x, int y, const WCHAR* pszText, int nLength) const;
    // Draws text centred in the rectangle, on one line.
    void DrawInRect(HDC hdc, const RECT& rc, const WCHAR* pszText, int nLength) const;

    int Height() const { return m_nHeight; }
    int Escapement() const { return m_nEscapement; }
    HFONT Font() const { return m_hFont; }

private:
    SIZE Measure(HDC hdc, const WCHAR* pszText, int nLength) const;

    int m_nHeight = 0;
    int m_nEscapement = 0;
    int m_nBkMode = TRANSPARENT;
    HFONT m_hFont = nullptr;
};
