#pragma once
#include <windows.h>

#include "skin/SkinRecord.h"

#include <vector>

// A skin made in memory for the keyboard tests, with plain colours that the
// tests can look for: a landscape design of 320 x 240 (640 x 480 on VGA
// screens) laid out on a grid, turned onto the screen the way the skin loader
// turns a skin: clockwise for right-handed users, counter-clockwise for
// left-handed ones on portrait and square screens.
//
// Pressed images are a solid colour of their own, with a magenta block of
// kMagentaBlock pixels in their top-left corner and a last row and column of
// kEdgeColour, which must never reach the screen.

constexpr COLORREF kCharBackground = RGB(200, 210, 220);
constexpr COLORREF kSymbolBackground = RGB(180, 200, 160);
constexpr COLORREF kNumberBackground = RGB(160, 170, 210);
constexpr COLORREF kEdgeColour = RGB(0, 255, 0);
constexpr int kMagentaBlock = 3;

// The colour of key nIndex's pressed image.
COLORREF PressedColour(int nIndex);

struct TestSkinOptions
{
    DWORD dwHabit = 1;            // non-zero left-handed
    bool bNumberBackground = true;
    int nDesign = SKIN_DESIGN_LANDSCAPE;
};

// Fills g_skin (releasing what it held) and sets g_dwHabit. The key model
// state goes back to a fresh module's.
void LoadTestSkin(const TestSkinOptions& options = TestSkinOptions());

// The design rectangle of a key or area, before turning.
RECT DesignRect(int nIndex);
RECT DesignEditView();
RECT DesignCharView();

// A 32-bit top-down DIB section and a memory DC holding it, for reading
// pixels back.
class CPixelCanvas
{
public:
    CPixelCanvas(int nWidth, int nHeight);
    ~CPixelCanvas();
    CPixelCanvas(const CPixelCanvas&) = delete;
    CPixelCanvas& operator=(const CPixelCanvas&) = delete;

    HDC Dc() const { return m_hdc; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    COLORREF At(int x, int y) const;
    // Writes the canvas as a 24-bit .bmp file.
    bool SaveBmp(const wchar_t* pszPath) const;

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hdc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const DWORD* m_pBits = nullptr;
};

// A copy of the canvas pixels, to compare two paints.
std::vector<COLORREF> Snapshot(const CPixelCanvas& canvas);
