#include "device/harness/RgbImage.h"

#include <algorithm>

uint32_t RgbImage::Pixel(int x, int y) const
{
    const size_t i = (static_cast<size_t>(y) * nWidth + x) * 3;
    return (uint32_t{pixels[i]} << 16) | (uint32_t{pixels[i + 1]} << 8) | pixels[i + 2];
}

RgbImage RgbImageFromWords(const uint32_t* pWords, int nWidth, int nHeight)
{
    RgbImage image;
    image.nWidth = nWidth;
    image.nHeight = nHeight;
    const size_t nPixels = static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight);
    image.pixels.resize(nPixels * 3);
    for (size_t i = 0; i < nPixels; ++i)
    {
        image.pixels[i * 3] = static_cast<uint8_t>(pWords[i] >> 16);
        image.pixels[i * 3 + 1] = static_cast<uint8_t>(pWords[i] >> 8);
        image.pixels[i * 3 + 2] = static_cast<uint8_t>(pWords[i]);
    }
    return image;
}

RgbImage TurnImage(const RgbImage& image, bool bClockwise)
{
    RgbImage turned;
    turned.nWidth = image.nHeight;
    turned.nHeight = image.nWidth;
    turned.pixels.assign(image.pixels.size(), 0);
    for (int y = 0; y < image.nHeight; ++y)
        for (int x = 0; x < image.nWidth; ++x)
        {
            const int tx = bClockwise ? image.nHeight - 1 - y : y;
            const int ty = bClockwise ? x : image.nWidth - 1 - x;
            const size_t from = (static_cast<size_t>(y) * image.nWidth + x) * 3;
            const size_t to = (static_cast<size_t>(ty) * turned.nWidth + tx) * 3;
            for (int c = 0; c < 3; ++c)
                turned.pixels[to + c] = image.pixels[from + c];
        }
    return turned;
}

double MatchShare(const RgbImage& actual, const RgbImage& expected, const std::vector<KeyRect>& excluded, int nStep)
{
    if (actual.nWidth != expected.nWidth || actual.nHeight != expected.nHeight || nStep < 1)
        return 0.0;
    size_t nSampled = 0, nSame = 0;
    for (int y = 0; y < expected.nHeight; y += nStep)
        for (int x = 0; x < expected.nWidth; x += nStep)
        {
            const auto covers = [x, y](const KeyRect& r) { return r.Contains(x, y); };
            if (std::any_of(excluded.begin(), excluded.end(), covers))
                continue;
            ++nSampled;
            nSame += actual.Pixel(x, y) == expected.Pixel(x, y) ? 1 : 0;
        }
    return nSampled == 0 ? 0.0 : static_cast<double>(nSame) / static_cast<double>(nSampled);
}
