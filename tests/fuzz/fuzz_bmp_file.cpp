// Feeds arbitrary bytes to the .bmp header check: it must never read outside the data,
// and whatever it accepts must describe pixels and a colour table that lie inside it,
// because the bitmap loader copies exactly those bytes.
#include "platform/BmpFile.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* pData, std::size_t cbData)
{
    // An exact-size copy, so that a read one past the end is caught.
    std::vector<unsigned char> data(pData, pData + cbData);
    BmpLayout layout{};
    if (!ParseBmpFile(data.data(), data.size(), &layout))
        return 0;
    const std::size_t rows = static_cast<std::size_t>(layout.nHeight < 0 ? -static_cast<long long>(layout.nHeight)
                                                                          : layout.nHeight);
    if (layout.nWidth <= 0 || rows == 0 || layout.nStride % 4 != 0 ||
        layout.nStride * 8 < static_cast<std::size_t>(layout.nWidth) * layout.nBitCount ||
        layout.nImageSize != layout.nStride * rows || layout.nPixelOffset > data.size() ||
        data.size() - layout.nPixelOffset < layout.nImageSize ||
        layout.nPaletteOffset + static_cast<std::size_t>(layout.nColors) * 4 > layout.nPixelOffset ||
        (layout.nBitCount > 8 && layout.nColors != 0) ||
        (layout.nBitCount <= 8 && layout.nColors > (1u << layout.nBitCount)))
        std::abort();
    // Touch the first and last byte of what the loader copies.
    volatile unsigned char first = data[layout.nPixelOffset];
    volatile unsigned char last = data[layout.nPixelOffset + layout.nImageSize - 1];
    (void)first;
    (void)last;
    return 0;
}
