#include "BitmapFile.h"

bool ReadPixels(HBITMAP hBitmap, Pixels& pixels)
{
    BITMAP bm{};
    if (hBitmap == nullptr || GetObjectW(hBitmap, sizeof(bm), &bm) == 0)
        return false;
    pixels.nWidth = bm.bmWidth;
    pixels.nHeight = bm.bmHeight;
    pixels.values.assign(static_cast<size_t>(bm.bmWidth) * bm.bmHeight, 0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC hdc = GetDC(nullptr);
    const int nLines = GetDIBits(hdc, hBitmap, 0, bm.bmHeight, pixels.values.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hdc);
    for (std::uint32_t& v : pixels.values)
        v &= 0xFFFFFF;
    return nLines == bm.bmHeight;
}

bool ReadBitmapFile(const std::wstring& path, Pixels& pixels)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    const bool bOk = ReadPixels(hBitmap, pixels);
    if (hBitmap != nullptr)
        DeleteObject(hBitmap);
    return bOk;
}

int Luminance(std::uint32_t rgb)
{
    const int r = (rgb >> 16) & 0xFF;
    const int g = (rgb >> 8) & 0xFF;
    const int b = rgb & 0xFF;
    return (r * 299 + g * 587 + b * 114) / 1000;
}
