#include "platform/BmpFile.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t ReadU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t ReadI32(const uint8_t* p) { return static_cast<int32_t>(ReadU32(p)); }

bool IsKnownInfoHeader(uint32_t nSize)
{
    // BITMAPINFOHEADER, the two Adobe extensions, BITMAPV4HEADER, BITMAPV5HEADER.
    return nSize == 40 || nSize == 52 || nSize == 56 || nSize == 108 || nSize == 124;
}

bool IsKnownBitCount(uint16_t n)
{
    return n == 1 || n == 4 || n == 8 || n == 16 || n == 24 || n == 32;
}

}  // namespace

bool ParseBmpFile(const uint8_t* pData, std::size_t nSize, BmpLayout* pOut)
{
    if (pData == nullptr || pOut == nullptr || nSize > kMaxBmpFileSize)
        return false;
    if (nSize < kFileHeaderSize + 4 || pData[0] != 'B' || pData[1] != 'M')
        return false;
    const std::size_t nPixelOffset = ReadU32(pData + 10);
    const uint8_t* pInfo = pData + kFileHeaderSize;
    const uint32_t nInfoSize = ReadU32(pInfo);
    if (!IsKnownInfoHeader(nInfoSize) || nSize < kFileHeaderSize + nInfoSize)
        return false;

    BmpLayout layout{};
    layout.nWidth = ReadI32(pInfo + 4);
    layout.nHeight = ReadI32(pInfo + 8);
    const uint16_t nPlanes = ReadU16(pInfo + 12);
    layout.nBitCount = ReadU16(pInfo + 14);
    layout.nCompression = ReadU32(pInfo + 16);
    const uint32_t nClrUsed = ReadU32(pInfo + 32);

    if (nPlanes != 1 || !IsKnownBitCount(layout.nBitCount))
        return false;
    if (layout.nWidth <= 0 || layout.nWidth > kMaxBmpSide)
        return false;
    if (layout.nHeight == 0 || layout.nHeight > kMaxBmpSide || layout.nHeight < -kMaxBmpSide)
        return false;

    std::size_t nTableOffset = kFileHeaderSize + nInfoSize;
    if (layout.nCompression == kBmpBitfields)
    {
        if (layout.nBitCount != 16 && layout.nBitCount != 32)
            return false;
        // A plain info header keeps its masks behind it; the longer headers inside.
        const std::size_t nMaskOffset = nInfoSize == 40 ? nTableOffset : kFileHeaderSize + 40;
        if (nSize < nMaskOffset + 12)
            return false;
        for (int i = 0; i < 3; ++i)
            layout.masks[i] = ReadU32(pData + nMaskOffset + 4 * i);
        if (nInfoSize == 40)
            nTableOffset += 12;
    }
    else if (layout.nCompression != kBmpRgb)
    {
        return false;  // run-length and embedded JPEG/PNG images are not skin bitmaps
    }

    if (layout.nBitCount <= 8)
    {
        const uint32_t nMaxColors = 1u << layout.nBitCount;
        if (nClrUsed > nMaxColors)
            return false;
        layout.nColors = nClrUsed != 0 ? nClrUsed : nMaxColors;
    }
    layout.nPaletteOffset = nTableOffset;
    const std::size_t nTableEnd = nTableOffset + static_cast<std::size_t>(layout.nColors) * 4;

    layout.nStride = ((static_cast<std::size_t>(layout.nWidth) * layout.nBitCount + 31) / 32) * 4;
    const std::size_t nRows = static_cast<std::size_t>(
        layout.nHeight < 0 ? -static_cast<int64_t>(layout.nHeight) : layout.nHeight);
    layout.nImageSize = layout.nStride * nRows;
    layout.nPixelOffset = nPixelOffset;
    if (nPixelOffset < nTableEnd || nPixelOffset > nSize || nSize - nPixelOffset < layout.nImageSize)
        return false;
    *pOut = layout;
    return true;
}
