// Feeds arbitrary bytes to the .bmp header check: it must never read outside the data,
// and whatever it accepts must describe pixels and a colour table that lie inside it,
// because the bitmap loader copies exactly those bytes.
#include "FuzzInput.h"
#include "platform/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    // An exact-size copy, so that a read one past the end is caught.
    const std::vector<std::uint8_t> data(pData, pData + cbData);
    BmpLayout layout{};
    if (!ParseBmpFile(data.data(), data.size(), &layout))
        return 0;
    const BmpLayout& l = layout;
    const std::size_t rows = static_cast<std::size_t>(std::llabs(static_cast<long long>(l.nHeight)));
    Check(l.nWidth > 0 && rows != 0 && l.nStride % 4 == 0 &&
          l.nStride * 8 >= static_cast<std::size_t>(l.nWidth) * l.nBitCount && l.nImageSize == l.nStride * rows &&
          l.nPixelOffset <= data.size() && data.size() - l.nPixelOffset >= l.nImageSize &&
          l.nPaletteOffset + static_cast<std::size_t>(l.nColors) * 4 <= l.nPixelOffset &&
          (l.nBitCount > 8 ? l.nColors == 0 : l.nColors <= (1u << l.nBitCount)));
    // Touch the first and last byte of what the loader copies.
    volatile std::uint8_t edges = data[l.nPixelOffset] ^ data[l.nPixelOffset + l.nImageSize - 1];
    (void)edges;
    return 0;
}
