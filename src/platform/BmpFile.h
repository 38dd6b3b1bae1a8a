#pragma once
#include <cstddef>
#include <cstdint>

// Where the parts of a .bmp file are, checked against the file's size before anything
// is allocated: a header may claim any size, and skin bitmaps come from anyone.

constexpr std::size_t kMaxBmpFileSize = 64u * 1024u * 1024u;
constexpr int32_t kMaxBmpSide = 8192;

constexpr uint32_t kBmpRgb = 0;        // BI_RGB
constexpr uint32_t kBmpBitfields = 3;  // BI_BITFIELDS

struct BmpLayout
{
    int32_t nWidth;
    int32_t nHeight;            // negative: rows stored top-down
    uint16_t nBitCount;         // 1, 4, 8, 16, 24 or 32
    uint32_t nCompression;      // kBmpRgb or kBmpBitfields
    uint32_t masks[3];          // red, green, blue masks when kBmpBitfields
    uint32_t nColors;           // colour table entries (bit counts up to 8 only)
    std::size_t nPaletteOffset; // file offset of the colour table (4 bytes an entry)
    std::size_t nPixelOffset;   // file offset of the first pixel row
    std::size_t nStride;        // bytes per row, a multiple of 4
    std::size_t nImageSize;     // nStride * |nHeight|
};

// Fills *pOut and returns true when pData[0..nSize) is an uncompressed (or bit-field)
// Windows bitmap whose colour table and pixels lie inside the data; false otherwise.
bool ParseBmpFile(const uint8_t* pData, std::size_t nSize, BmpLayout* pOut);
