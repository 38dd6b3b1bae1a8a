#include "BitmapFile.h"

#include "skin/SkinTestFiles.h"

bool ReadPixels(HBITMAP hBitmap, Pixels& pixels)
{
    pixels.values = ReadPixels(hBitmap, &pixels.nWidth, &pixels.nHeight);
    return !pixels.values.empty();
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
