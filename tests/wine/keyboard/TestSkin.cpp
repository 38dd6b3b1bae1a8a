#include "TestSkin.h"

#include "keyboard/KeyModel.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

#include <algorithm>
#include <cstdio>

namespace {

int Scale()
{
    const int nShort = std::min(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return nShort >= 480 ? 2 : 1;
}

// The grid of one design: keys of the views on rows of ten, the eight keys
// of every view on a last row; the text areas above.
struct Grid
{
    int nWidth, nHeight;
    int nLeft, nTop, nColumn, nRowHeight, nRowStep, nWideKey;
    RECT rcEdit, rcChar;
};

const Grid kLandscapeGrid{320, 240, 10, 50, 30, 45, 47, 37, {10, 5, 210, 45}, {220, 5, 310, 45}};
const Grid kPortraitGrid{240, 320, 10, 100, 22, 50, 52, 27, {10, 5, 230, 45}, {10, 50, 230, 95}};
bool g_bPortraitDesign = false;

const Grid& CurrentGrid() { return g_bPortraitDesign ? kPortraitGrid : kLandscapeGrid; }

RECT Scaled(int l, int t, int w, int h)
{
    const int s = Scale();
    return RECT{l * s, t * s, (l + w) * s, (t + h) * s};
}

RECT Scaled(const RECT& rc) { return Scaled(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top); }

// Grid position of a key within its view, or -1 for the keys of every view.
int GridPosition(int nIndex)
{
    if (nIndex < KEY_OK)
        return nIndex;
    if (nIndex >= KEY_NUMBER_FIRST && nIndex < KEY_SYMBOL_FIRST)
        return nIndex - KEY_NUMBER_FIRST;
    if (nIndex >= KEY_SYMBOL_FIRST)
        return nIndex - KEY_SYMBOL_FIRST;
    return -1;
}

// The same turns the skin loader applies.
RECT Turn(const RECT& rc, int nDesignWidth, int nDesignHeight, DWORD dwHabit)
{
    const int l = rc.left, t = rc.top, w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (dwHabit == 0)
        return RECT{nDesignHeight - t - h, l, nDesignHeight - t, l + w};
    return RECT{t, nDesignWidth - l - w, t + h, nDesignWidth - l};
}

HBITMAP MakeDib(int nWidth, int nHeight, DWORD** ppBits)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    *ppBits = static_cast<DWORD*>(pBits);
    return hBitmap;
}

DWORD ToPixel(COLORREF cr) { return (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr); }

HBITMAP SolidBitmap(int nWidth, int nHeight, COLORREF cr)
{
    DWORD* pBits = nullptr;
    HBITMAP hBitmap = MakeDib(nWidth, nHeight, &pBits);
    if (hBitmap != nullptr)
    {
        for (int i = 0; i < nWidth * nHeight; ++i)
            pBits[i] = ToPixel(cr);
        GdiFlush();
    }
    return hBitmap;
}

HBITMAP PressedImage(int nWidth, int nHeight, COLORREF cr)
{
    DWORD* pBits = nullptr;
    HBITMAP hBitmap = MakeDib(nWidth, nHeight, &pBits);
    if (hBitmap == nullptr)
        return nullptr;
    for (int y = 0; y < nHeight; ++y)
    {
        for (int x = 0; x < nWidth; ++x)
        {
            COLORREF c = cr;
            if (x < kMagentaBlock && y < kMagentaBlock)
                c = RGB(255, 0, 255);
            else if (x == nWidth - 1 || y == nHeight - 1)
                c = kEdgeColour;
            pBits[y * nWidth + x] = ToPixel(c);
        }
    }
    GdiFlush();
    return hBitmap;
}

}  // namespace

COLORREF PressedColour(int nIndex)
{
    return RGB(20 + (nIndex * 2) % 200, 40 + (nIndex * 7) % 60, 90);
}

RECT DesignRect(int nIndex)
{
    const Grid& g = CurrentGrid();
    const int nGrid = GridPosition(nIndex);
    if (nGrid >= 0)
        return Scaled(g.nLeft + g.nColumn * (nGrid % 10), g.nTop + g.nRowStep * (nGrid / 10), g.nColumn, g.nRowHeight);
    return Scaled(g.nLeft + g.nWideKey * (nIndex - KEY_OK), g.nTop + g.nRowStep * 3, g.nWideKey, g.nRowHeight);
}

RECT DesignEditView() { return Scaled(CurrentGrid().rcEdit); }
RECT DesignCharView() { return Scaled(CurrentGrid().rcChar); }

void LoadTestSkin(const TestSkinOptions& options)
{
    ReleaseSkin();
    g_dwHabit = options.dwHabit;
    g_nCurrentView = VIEW_CHAR;
    g_nPressedKey = KEY_NONE;
    g_bCapsLock = 0;
    g_bShift = 0;
    g_bStylusDown = 0;

    g_bPortraitDesign = options.nDesign != SKIN_DESIGN_LANDSCAPE;
    g_skin.nBackgroundWidth = CurrentGrid().nWidth * Scale();
    g_skin.nBackgroundHeight = CurrentGrid().nHeight * Scale();
    g_skin.nOrientation = options.nDesign;

    // Onto the screen the way the skin loader turns a skin: a landscape design
    // on a portrait or square screen by the user's hand, a portrait design on
    // a landscape screen counter-clockwise.
    const bool bLandscapeScreen = GetScreenOrientation() == ORIENT_LANDSCAPE;
    const bool bTurn = g_bPortraitDesign ? bLandscapeScreen : !bLandscapeScreen;
    const DWORD dwTurnHabit = g_bPortraitDesign ? 1 : options.dwHabit;
    auto place = [&](const RECT& rc) {
        return bTurn ? Turn(rc, g_skin.nBackgroundWidth, g_skin.nBackgroundHeight, dwTurnHabit) : rc;
    };

    const int nScreenW = bTurn ? g_skin.nBackgroundHeight : g_skin.nBackgroundWidth;
    const int nScreenH = bTurn ? g_skin.nBackgroundWidth : g_skin.nBackgroundHeight;
    g_skin.hCharBackground = SolidBitmap(nScreenW, nScreenH, kCharBackground);
    g_skin.hSymbolBackground = SolidBitmap(nScreenW, nScreenH, kSymbolBackground);
    g_skin.hNumberBackground = options.bNumberBackground ? SolidBitmap(nScreenW, nScreenH, kNumberBackground) : nullptr;
    g_skin.rcEditView = place(DesignEditView());
    g_skin.rcCharView = place(DesignCharView());
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        KeyRecord& key = g_skin.keys[i];
        key.nView = GetDefaultKeyView(i);
        key.rcKey = place(DesignRect(i));
        key.hPressedImage = PressedImage(key.rcKey.right - key.rcKey.left, key.rcKey.bottom - key.rcKey.top,
                                         PressedColour(i));
    }
}

CPixelCanvas::CPixelCanvas(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight)
{
    DWORD* pBits = nullptr;
    m_hBitmap = MakeDib(nWidth, nHeight, &pBits);
    m_pBits = pBits;
    m_hdc = CreateCompatibleDC(nullptr);
    if (m_hdc != nullptr && m_hBitmap != nullptr)
        m_hOld = SelectObject(m_hdc, m_hBitmap);
}

CPixelCanvas::~CPixelCanvas()
{
    if (m_hOld != nullptr)
        SelectObject(m_hdc, m_hOld);
    if (m_hdc != nullptr)
        DeleteDC(m_hdc);
    if (m_hBitmap != nullptr)
        DeleteObject(m_hBitmap);
}

COLORREF CPixelCanvas::At(int x, int y) const
{
    if (m_pBits == nullptr || x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return CLR_INVALID;
    GdiFlush();
    const DWORD p = m_pBits[y * m_nWidth + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool CPixelCanvas::SaveBmp(const wchar_t* pszPath) const
{
    if (m_pBits == nullptr)
        return false;
    GdiFlush();
    FILE* pFile = _wfopen(pszPath, L"wb");
    if (pFile == nullptr)
        return false;
    const int nStride = (m_nWidth * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = m_nWidth;
    info.biHeight = m_nHeight;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = nStride * m_nHeight;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    fwrite(&file, sizeof(file), 1, pFile);
    fwrite(&info, sizeof(info), 1, pFile);
    std::vector<unsigned char> row(nStride, 0);
    for (int y = m_nHeight - 1; y >= 0; --y)
    {
        for (int x = 0; x < m_nWidth; ++x)
        {
            const DWORD p = m_pBits[y * m_nWidth + x];
            row[x * 3] = p & 0xFF;
            row[x * 3 + 1] = (p >> 8) & 0xFF;
            row[x * 3 + 2] = (p >> 16) & 0xFF;
        }
        fwrite(row.data(), 1, row.size(), pFile);
    }
    return fclose(pFile) == 0;
}

std::vector<COLORREF> Snapshot(const CPixelCanvas& canvas)
{
    std::vector<COLORREF> pixels;
    pixels.reserve(canvas.Width() * canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            pixels.push_back(canvas.At(x, y));
    return pixels;
}
