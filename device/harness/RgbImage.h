#pragma once
#include "device/harness/KeyRect.h"

#include <cstdint>
#include <vector>

// Pixels as the device's eyes compare them: rows of 8-bit RGB triples, top row first.
struct RgbImage
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> pixels;  // nWidth * nHeight * 3 bytes: red, green, blue

    uint32_t Pixel(int x, int y) const;  // 0xRRGGBB
};

// The image of nWidth x nHeight 0x00RRGGBB words, top row first (a 32-bit DIB).
RgbImage RgbImageFromWords(const uint32_t* pWords, int nWidth, int nHeight);

// The image turned by 90 degrees: clockwise puts pixel (x, y) at (H - 1 - y, x),
// counter-clockwise at (y, W - 1 - x).
RgbImage TurnImage(const RgbImage& image, bool bClockwise);

// The share of the pixels of expected, sampled every nStep pixels in both
// directions and outside every excluded rectangle, that actual shows at the same
// place; 0 when the sizes differ or no pixel is sampled.
double MatchShare(const RgbImage& actual, const RgbImage& expected, const std::vector<KeyRect>& excluded, int nStep);
