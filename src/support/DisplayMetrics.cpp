#include "support/DisplayMetrics.h"

#include "support/DpiScale.h"
#include "support/GdiHandles.h"

int g_nLogPixelsX = 0;
int g_nLogPixelsY = 0;
int g_nHorzRes = 0;
int g_nVertRes = 0;
int g_nScreenWidth = 0;
int g_nScreenHeight = 0;

void InitDisplayMetrics()
{
    if (g_nLogPixelsX != 0)
        return;
    HDC hdc = GetDC(nullptr);
    if (hdc == nullptr)
        return;
    g_nLogPixelsX = GetDeviceCaps(hdc, LOGPIXELSX);
    g_nLogPixelsY = GetDeviceCaps(hdc, LOGPIXELSY);
    g_nHorzRes = GetDeviceCaps(hdc, HORZRES);
    g_nVertRes = GetDeviceCaps(hdc, VERTRES);
    ReleaseDC(nullptr, hdc);

    const ScreenDpi dpi = ApplyDpiOverride(ScreenDpi{g_nLogPixelsX, g_nLogPixelsY}, g_nHorzRes, g_nVertRes);
    g_nLogPixelsX = dpi.nLogPixelsX;
    g_nLogPixelsY = dpi.nLogPixelsY;
}

int ScaleByDpi(int nLength)
{
    return ScaleLength(nLength, g_nLogPixelsY);
}

ScreenOrientation GetScreenOrientation()
{
    g_nScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    g_nScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    return OrientationOf(g_nScreenWidth, g_nScreenHeight);
}

int GetLastScreenWidth()
{
    return g_nScreenWidth;
}

int GetLastScreenHeight()
{
    return g_nScreenHeight;
}

int GetScreenShortSide()
{
    const int nHeight = GetSystemMetrics(SM_CYSCREEN);
    const int nWidth = GetSystemMetrics(SM_CXSCREEN);
    return ShortSideOf(nWidth, nHeight);
}

ResolutionClass GetResolutionClass()
{
    return ClassifyResolution(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

namespace {

// GetObjectW fills a BITMAP from any GDI object of a similar size (a brush, a
// pen), so the type is checked first.
bool GetBitmapInfo(HBITMAP hBitmap, BITMAP& bm)
{
    if (hBitmap == nullptr || GetObjectType(hBitmap) != OBJ_BITMAP)
        return false;
    bm = BITMAP{};
    return GetObjectW(hBitmap, sizeof(bm), &bm) != 0;
}

}  // namespace

int GetBitmapWidth(HBITMAP hBitmap)
{
    BITMAP bm;
    return GetBitmapInfo(hBitmap, bm) ? bm.bmWidth : 0;
}

int GetBitmapHeight(HBITMAP hBitmap)
{
    BITMAP bm;
    return GetBitmapInfo(hBitmap, bm) ? bm.bmHeight : 0;
}

BOOL DrawBitmapAt(HDC hdc, int x, int y, HBITMAP hBitmap)
{
    BITMAP bm;
    if (!GetBitmapInfo(hBitmap, bm))
        return FALSE;
    CMemoryDc memDc(CreateCompatibleDC(hdc));
    if (!memDc)
        return FALSE;
    CSelectObject select(memDc.Get(), hBitmap);
    if (!select.Succeeded())
        return FALSE;
    return BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, memDc.Get(), 0, 0, SRCCOPY);
}

bool GetWindowDefaultFont(HWND hwnd, LOGFONTW* pOut)
{
    CWindowDc dc(hwnd);
    if (!dc)
        return false;
    // Selecting a stock font hands back the one the fresh DC held.
    const HGDIOBJ hDefault = SelectObject(dc.Get(), GetStockObject(SYSTEM_FONT));
    if (pOut != nullptr && hDefault != nullptr && hDefault != HGDI_ERROR)
        GetObjectW(hDefault, sizeof(*pOut), pOut);
    if (hDefault != nullptr && hDefault != HGDI_ERROR)
        SelectObject(dc.Get(), hDefault);
    return pOut != nullptr;
}
