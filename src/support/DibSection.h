#pragma once
#include <windows.h>

// A 32-bit DIB section whose pixels are 0x00RRGGBB words, and that array; null
// unless both were made. Rows run top-down when bTopDown (as a screen is read),
// else bottom-up (as a BMP file stores them). Inline, like the handle owners, so
// that the device stand-in and the tools use it without linking the product.
inline HBITMAP CreateDib32(HDC hdc, int nWidth, int nHeight, bool bTopDown, void** ppBits)
{
    *ppBits = nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = bTopDown ? -nHeight : nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hDib = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hDib != nullptr && pBits == nullptr)
    {
        DeleteObject(hDib);
        return nullptr;
    }
    *ppBits = pBits;
    return hDib;
}
