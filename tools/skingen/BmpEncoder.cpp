#include "BmpEncoder.h"

namespace {

void PutU16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const CCanvas& canvas)
{
    constexpr std::uint32_t kHeaders = 14 + 40;
    const std::uint32_t nStride = (static_cast<std::uint32_t>(canvas.Width()) * 3 + 3) & ~3u;
    const std::uint32_t nImage = nStride * static_cast<std::uint32_t>(canvas.Height());

    std::vector<std::uint8_t> out;
    out.reserve(kHeaders + nImage);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, kHeaders + nImage);
    PutU32(out, 0);          // reserved
    PutU32(out, kHeaders);   // offset of the pixels
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(canvas.Width()));
    PutU32(out, static_cast<std::uint32_t>(canvas.Height()));  // positive: bottom-up
    PutU16(out, 1);          // planes
    PutU16(out, 24);
    PutU32(out, 0);          // BI_RGB
    PutU32(out, nImage);
    PutU32(out, 2835);       // 72 DPI in pixels per metre; nothing reads it
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = canvas.Height() - 1; y >= 0; --y)
    {
        const size_t nRowStart = out.size();
        for (int x = 0; x < canvas.Width(); ++x)
        {
            const Colour c = canvas.At(x, y);
            out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
            out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
            out.push_back(static_cast<std::uint8_t>(RedOf(c)));
        }
        while (out.size() - nRowStart < nStride)
            out.push_back(0);
    }
    return out;
}
