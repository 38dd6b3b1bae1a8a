#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A bitmap read back into 0xRRGGBB pixels, rows top-down.
struct Pixels
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::uint32_t> values;
    std::uint32_t At(int x, int y) const { return values[static_cast<size_t>(y) * nWidth + x]; }
};

// Reads a bitmap handle through GetDIBits; false for a null or unreadable bitmap.
bool ReadPixels(HBITMAP hBitmap, Pixels& pixels);
// Loads a .bmp file the way a skin's files are loaded (a DIB section) and reads it.
bool ReadBitmapFile(const std::wstring& path, Pixels& pixels);

// 0 to 255.
int Luminance(std::uint32_t rgb);
