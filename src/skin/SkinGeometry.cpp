#include "skin/SkinGeometry.h"

#include "support/ScreenRules.h"

#include <climits>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kDesignLandscape = 4;

int ClampToInt(long long n)
{
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}

}  // namespace

SkinTurn ChooseSkinTurn(int nScreenOrientation, int nDesignOrientation, bool bLeftHanded)
{
    const bool bLandscapeDesign = nDesignOrientation == kDesignLandscape;
    if (nScreenOrientation == ORIENT_LANDSCAPE)
        return bLandscapeDesign ? SkinTurn::None : SkinTurn::CounterClockwise;
    if (!bLandscapeDesign)
        return SkinTurn::None;
    return bLeftHanded ? SkinTurn::CounterClockwise : SkinTurn::Clockwise;
}

SkinRect MapDesignRect(SkinTurn turn, int nLeft, int nTop, int nWidth, int nHeight,
                       int nBackgroundWidth, int nBackgroundHeight)
{
    const long long l = nLeft, t = nTop, w = nWidth, h = nHeight;
    const long long bw = nBackgroundWidth, bh = nBackgroundHeight;
    switch (turn)
    {
    case SkinTurn::Clockwise:
        return {ClampToInt(bh - t - h), ClampToInt(l), ClampToInt(bh - t), ClampToInt(l + w)};
    case SkinTurn::CounterClockwise:
        return {ClampToInt(t), ClampToInt(bw - l - w), ClampToInt(t + h), ClampToInt(bw - l)};
    case SkinTurn::None:
        break;
    }
    return {ClampToInt(l), ClampToInt(t), ClampToInt(l + w), ClampToInt(t + h)};
}

std::size_t TurnedPixelIndex(SkinTurn turn, int x, int y, int nWidth, int nHeight)
{
    const std::size_t w = static_cast<std::size_t>(nWidth);
    const std::size_t h = static_cast<std::size_t>(nHeight);
    const std::size_t ux = static_cast<std::size_t>(x);
    const std::size_t uy = static_cast<std::size_t>(y);
    switch (turn)
    {
    case SkinTurn::Clockwise:
        return (w - 1 - ux) * h + uy;
    case SkinTurn::CounterClockwise:
        return ux * h + (h - 1 - uy);
    case SkinTurn::None:
        break;
    }
    return uy * w + ux;
}

namespace {

// Moves the pixels in square tiles, so that the target's columns, written a pixel
// a row apart, stay in the cache while a tile fills them.
// pixelAt(x, y) reads source pixel x of memory row y.
constexpr std::size_t kTurnTile = 32;

// nStride: pixels from one target row to the next (the target is h wide, w high).
template <typename PixelAt>
void TurnInto(SkinTurn turn, std::size_t w, std::size_t h, uint32_t* pTarget, std::size_t nStride, PixelAt pixelAt)
{
    for (std::size_t y0 = 0; y0 < h; y0 += kTurnTile)
    {
        const std::size_t yEnd = std::min(h, y0 + kTurnTile);
        for (std::size_t x0 = 0; x0 < w; x0 += kTurnTile)
        {
            const std::size_t xEnd = std::min(w, x0 + kTurnTile);
            for (std::size_t y = y0; y < yEnd; ++y)
            {
                if (turn == SkinTurn::Clockwise)
                {
                    uint32_t* pOut = pTarget + (w - 1 - x0) * nStride + y;
                    for (std::size_t x = x0; x < xEnd; ++x, pOut -= nStride)
                        *pOut = pixelAt(x, y);
                }
                else
                {
                    uint32_t* pOut = pTarget + x0 * nStride + (h - 1 - y);
                    for (std::size_t x = x0; x < xEnd; ++x, pOut += nStride)
                        *pOut = pixelAt(x, y);
                }
            }
        }
    }
}

uint32_t Rgb24At(const uint8_t* pRow, std::size_t x)
{
    const uint8_t* p = pRow + x * 3;
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16;
}

}  // namespace

void TurnPixels(SkinTurn turn, const uint32_t* pSource, int nWidth, int nHeight, uint32_t* pTarget,
                std::size_t nTargetStride)
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    const std::size_t w = static_cast<std::size_t>(nWidth);
    const std::size_t h = static_cast<std::size_t>(nHeight);
    const auto pixelAt = [&](std::size_t x, std::size_t y) { return pSource[y * w + x]; };
    if (turn != SkinTurn::None)
    {
        TurnInto(turn, w, h, pTarget, nTargetStride != 0 ? nTargetStride : h, pixelAt);
        return;
    }
    const std::size_t nStride = nTargetStride != 0 ? nTargetStride : w;
    for (std::size_t y = 0; y < h; ++y)
        std::memcpy(pTarget + y * nStride, pSource + y * w, w * sizeof(uint32_t));
}

std::size_t Rgb24RowBytes(int nWidth)
{
    return nWidth > 0 ? (static_cast<std::size_t>(nWidth) * 3 + 3) / 4 * 4 : 0;
}

void TurnPixels24(SkinTurn turn, const uint8_t* pSource, int nWidth, int nHeight, uint32_t* pTarget,
                  std::size_t nTargetStride)
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    const std::size_t w = static_cast<std::size_t>(nWidth);
    const std::size_t h = static_cast<std::size_t>(nHeight);
    const std::size_t nSourceStride = Rgb24RowBytes(nWidth);
    const auto pixelAt = [&](std::size_t x, std::size_t y) { return Rgb24At(pSource + y * nSourceStride, x); };
    if (turn != SkinTurn::None)
    {
        TurnInto(turn, w, h, pTarget, nTargetStride != 0 ? nTargetStride : h, pixelAt);
        return;
    }
    const std::size_t nStride = nTargetStride != 0 ? nTargetStride : w;
    for (std::size_t y = 0; y < h; ++y)
        for (std::size_t x = 0; x < w; ++x)
            pTarget[y * nStride + x] = pixelAt(x, y);
}

RowOrder FindRowOrder(const uint32_t* pBottomRow, const void* pBits, int nBitCount, int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0 || (nBitCount != 24 && nBitCount != 32))
        return RowOrder::Unknown;
    if (nHeight == 1)
        return RowOrder::BottomUp;
    const std::size_t w = static_cast<std::size_t>(nWidth);
    const std::size_t nStride = nBitCount == 24 ? Rgb24RowBytes(nWidth) : w * 4;
    const auto* pFirst = static_cast<const uint8_t*>(pBits);
    const uint8_t* pLast = pFirst + nStride * static_cast<std::size_t>(nHeight - 1);
    const auto colourAt = [nBitCount](const uint8_t* pRow, std::size_t x) {
        uint32_t c = 0;
        if (nBitCount == 24)
            c = Rgb24At(pRow, x);
        else
            std::memcpy(&c, pRow + x * 4, sizeof c);
        return c & 0xFFFFFFu;
    };
    bool bFirstMatches = true;
    bool bLastMatches = true;
    for (std::size_t x = 0; x < w; ++x)
    {
        const uint32_t c = pBottomRow[x] & 0xFFFFFFu;
        bFirstMatches = bFirstMatches && colourAt(pFirst, x) == c;
        bLastMatches = bLastMatches && colourAt(pLast, x) == c;
    }
    if (bFirstMatches == bLastMatches)
        return RowOrder::Unknown;
    return bFirstMatches ? RowOrder::BottomUp : RowOrder::TopDown;
}
