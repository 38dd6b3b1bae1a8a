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
