#include "skin/SkinGeometry.h"

#include "support/ScreenRules.h"

#include <climits>
#include <cstring>

namespace {

constexpr int kDesignLandscape = 4;
constexpr int kDesignPortrait = 5;

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
    if (nScreenOrientation == ORIENT_LANDSCAPE)
        return nDesignOrientation == kDesignLandscape ? SkinTurn::None : SkinTurn::CounterClockwise;
    // Portrait, and square, which the text rules group with portrait.
    if (nDesignOrientation == kDesignPortrait)
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

void TurnPixels(SkinTurn turn, const uint32_t* pSource, int nWidth, int nHeight,
                uint32_t* pTarget)
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    const std::size_t w = static_cast<std::size_t>(nWidth);
    const std::size_t h = static_cast<std::size_t>(nHeight);
    if (turn == SkinTurn::None)
    {
        std::memcpy(pTarget, pSource, w * h * sizeof(uint32_t));
        return;
    }
    // Walk the source row by row; each source row becomes one target column.
    for (std::size_t y = 0; y < h; ++y)
    {
        const uint32_t* pRow = pSource + y * w;
        if (turn == SkinTurn::Clockwise)
        {
            uint32_t* pOut = pTarget + (w - 1) * h + y;  // x = 0
            for (std::size_t x = 0; x < w; ++x, pOut -= h)
                *pOut = pRow[x];
        }
        else
        {
            uint32_t* pOut = pTarget + (h - 1 - y);  // x = 0
            for (std::size_t x = 0; x < w; ++x, pOut += h)
                *pOut = pRow[x];
        }
    }
}
