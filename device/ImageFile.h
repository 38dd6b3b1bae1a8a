#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Screenshots as files: an image is rows of 8-bit RGB triples, top row first.

struct RgbImage
{
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> pixels;  // nWidth * nHeight * 3 bytes: red, green, blue

    uint32_t Pixel(int x, int y) const;  // 0xRRGGBB
};

uint32_t Crc32(const uint8_t* pData, size_t cb, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* pData, size_t cb);

// A PNG file (colour type 2, 8 bits) whose image data is deflate-compressed.
std::vector<uint8_t> EncodePng(const RgbImage& image);
// A bottom-up 24-bit BMP file.
std::vector<uint8_t> EncodeBmp(const RgbImage& image);

// An uncompressed 24- or 32-bit BMP file (bottom-up or top-down); false for anything else.
bool DecodeBmp(const std::vector<uint8_t>& bytes, RgbImage& image);

// The image turned by 90 degrees: clockwise puts pixel (x, y) at (H - 1 - y, x),
// counter-clockwise at (y, W - 1 - x).
RgbImage TurnImage(const RgbImage& image, bool bClockwise);

// A rectangle of pixels, right and bottom exclusive.
struct PixelRect { int nLeft, nTop, nRight, nBottom; };

// The share of the pixels of expected, sampled every nStep pixels in both
// directions and outside every excluded rectangle, that actual shows at the same
// place; 0 when the sizes differ or no pixel is sampled.
double MatchShare(const RgbImage& actual, const RgbImage& expected, const std::vector<PixelRect>& excluded, int nStep);
