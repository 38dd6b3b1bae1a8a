#include "words/Crc32.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> MakeTable()
{
    std::array<std::uint32_t, 256> table = {};
    for (std::uint32_t n = 0; n < 256; ++n)
    {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

}  // namespace

std::uint32_t Crc32(const void* pData, std::size_t cbData, std::uint32_t nCrc)
{
    const auto* p = static_cast<const std::uint8_t*>(pData);
    std::uint32_t c = ~nCrc;
    for (std::size_t i = 0; i < cbData; ++i)
        c = kTable[(c ^ p[i]) & 0xFF] ^ (c >> 8);
    return ~c;
}
