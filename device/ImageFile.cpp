#include "ImageFile.h"

#include "Deflate.h"

namespace {

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t u)
{
    out.push_back(static_cast<uint8_t>(u >> 24));
    out.push_back(static_cast<uint8_t>(u >> 16));
    out.push_back(static_cast<uint8_t>(u >> 8));
    out.push_back(static_cast<uint8_t>(u));
}

void PutLittleEndian32(std::vector<uint8_t>& out, uint32_t u)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

void PutLittleEndian16(std::vector<uint8_t>& out, uint16_t u)
{
    out.push_back(static_cast<uint8_t>(u));
    out.push_back(static_cast<uint8_t>(u >> 8));
}

void PutChunk(std::vector<uint8_t>& out, const char* pszType, const std::vector<uint8_t>& data)
{
    PutBigEndian32(out, static_cast<uint32_t>(data.size()));
    const size_t nTypeAt = out.size();
    out.insert(out.end(), pszType, pszType + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian32(out, Crc32(out.data() + nTypeAt, out.size() - nTypeAt));
}

}  // namespace

uint32_t RgbImage::Pixel(int x, int y) const
{
    const size_t i = (static_cast<size_t>(y) * nWidth + x) * 3;
    return (uint32_t{pixels[i]} << 16) | (uint32_t{pixels[i + 1]} << 8) | pixels[i + 2];
}

uint32_t Crc32(const uint8_t* pData, size_t cb, uint32_t crc)
{
    static uint32_t s_aTable[256];
    static const bool s_bReady = [] {
        for (uint32_t n = 0; n < 256; ++n)
        {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            s_aTable[n] = c;
        }
        return true;
    }();
    (void)s_bReady;
    crc = ~crc;
    for (size_t i = 0; i < cb; ++i)
        crc = s_aTable[(crc ^ pData[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const uint8_t* pData, size_t cb)
{
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < cb; ++i)
    {
        a = (a + pData[i]) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> EncodePng(const RgbImage& image)
{
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> header;
    PutBigEndian32(header, static_cast<uint32_t>(image.nWidth));
    PutBigEndian32(header, static_cast<uint32_t>(image.nHeight));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, not interlaced
    PutChunk(out, "IHDR", header);

    // Each row starts with filter type 0 (none).
    std::vector<uint8_t> raw;
    const size_t cbRow = static_cast<size_t>(image.nWidth) * 3;
    raw.reserve((cbRow + 1) * image.nHeight);
    for (int y = 0; y < image.nHeight; ++y)
    {
        raw.push_back(0);
        raw.insert(raw.end(), image.pixels.begin() + y * cbRow, image.pixels.begin() + (y + 1) * cbRow);
    }
    std::vector<uint8_t> zlib = {0x78, 0x01};
    const std::vector<uint8_t> compressed = Deflate(raw);
    zlib.insert(zlib.end(), compressed.begin(), compressed.end());
    PutBigEndian32(zlib, Adler32(raw.data(), raw.size()));
    PutChunk(out, "IDAT", zlib);
    PutChunk(out, "IEND", {});
    return out;
}

std::vector<uint8_t> EncodeBmp(const RgbImage& image)
{
    const uint32_t cbRow = (static_cast<uint32_t>(image.nWidth) * 3 + 3) & ~3u;
    const uint32_t cbPixels = cbRow * static_cast<uint32_t>(image.nHeight);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian32(out, 14 + 40 + cbPixels);
    PutLittleEndian32(out, 0);
    PutLittleEndian32(out, 14 + 40);
    PutLittleEndian32(out, 40);
    PutLittleEndian32(out, static_cast<uint32_t>(image.nWidth));
    PutLittleEndian32(out, static_cast<uint32_t>(image.nHeight));
    PutLittleEndian16(out, 1);
    PutLittleEndian16(out, 24);
    PutLittleEndian32(out, 0);  // BI_RGB
    PutLittleEndian32(out, cbPixels);
    PutLittleEndian32(out, 2835);
    PutLittleEndian32(out, 2835);
    PutLittleEndian32(out, 0);
    PutLittleEndian32(out, 0);
    for (int y = image.nHeight - 1; y >= 0; --y)
    {
        const size_t nRowStart = out.size();
        for (int x = 0; x < image.nWidth; ++x)
        {
            const size_t i = (static_cast<size_t>(y) * image.nWidth + x) * 3;
            out.push_back(image.pixels[i + 2]);
            out.push_back(image.pixels[i + 1]);
            out.push_back(image.pixels[i]);
        }
        out.resize(nRowStart + cbRow, 0);
    }
    return out;
}

bool DecodeBmp(const std::vector<uint8_t>& bytes, RgbImage& image)
{
    auto u16 = [&](size_t i) { return static_cast<uint32_t>(bytes[i] | (bytes[i + 1] << 8)); };
    auto u32 = [&](size_t i) { return u16(i) | (u16(i + 2) << 16); };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const uint32_t uOffset = u32(10);
    const int32_t nWidth = static_cast<int32_t>(u32(18));
    const int32_t nRawHeight = static_cast<int32_t>(u32(22));
    const uint32_t uBits = u16(28);
    const uint32_t uCompression = u32(30);
    if (nWidth <= 0 || nWidth > 16384 || nRawHeight == 0 || nRawHeight < -16384 || nRawHeight > 16384 ||
        (uBits != 24 && uBits != 32) || (uCompression != 0 && !(uCompression == 3 && uBits == 32)))
        return false;
    const int nHeight = nRawHeight < 0 ? -nRawHeight : nRawHeight;
    const size_t cbPixel = uBits / 8;
    const size_t cbRow = (static_cast<size_t>(nWidth) * cbPixel + 3) & ~static_cast<size_t>(3);
    if (uOffset > bytes.size() || bytes.size() - uOffset < cbRow * nHeight)
        return false;
    image.nWidth = nWidth;
    image.nHeight = nHeight;
    image.pixels.assign(static_cast<size_t>(nWidth) * nHeight * 3, 0);
    for (int y = 0; y < nHeight; ++y)
    {
        const size_t nRow = nRawHeight < 0 ? y : nHeight - 1 - y;
        const uint8_t* pRow = bytes.data() + uOffset + nRow * cbRow;
        for (int x = 0; x < nWidth; ++x)
        {
            const size_t i = (static_cast<size_t>(y) * nWidth + x) * 3;
            image.pixels[i] = pRow[x * cbPixel + 2];
            image.pixels[i + 1] = pRow[x * cbPixel + 1];
            image.pixels[i + 2] = pRow[x * cbPixel];
        }
    }
    return true;
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

double MatchShare(const RgbImage& actual, const RgbImage& expected, const std::vector<PixelRect>& excluded, int nStep)
{
    if (actual.nWidth != expected.nWidth || actual.nHeight != expected.nHeight || nStep < 1)
        return 0.0;
    size_t nSampled = 0, nSame = 0;
    for (int y = 0; y < expected.nHeight; y += nStep)
        for (int x = 0; x < expected.nWidth; x += nStep)
        {
            bool bExcluded = false;
            for (const PixelRect& r : excluded)
                bExcluded = bExcluded || (r.nLeft <= x && x < r.nRight && r.nTop <= y && y < r.nBottom);
            if (bExcluded)
                continue;
            ++nSampled;
            nSame += actual.Pixel(x, y) == expected.Pixel(x, y) ? 1 : 0;
        }
    return nSampled == 0 ? 0.0 : static_cast<double>(nSame) / static_cast<double>(nSampled);
}
