#pragma once
#include "Canvas.h"

#include <cstdint>
#include <vector>

// The bytes of a .bmp file holding the canvas: BITMAPFILEHEADER, a 40-byte
// BITMAPINFOHEADER, 24 bits per pixel, rows bottom-up and padded to 4 bytes.
// 24-bit files keep the transparent colour exact and load everywhere: LoadImage,
// the resource compiler, image lists.
std::vector<std::uint8_t> EncodeBmp24(const CCanvas& canvas);
