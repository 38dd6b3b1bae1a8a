#include "platform/BmpFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A well-formed file: 14-byte file header, an info header of nInfoSize bytes, a
// colour table of nColors entries, masks behind a 40-byte header for bit fields,
// then the pixel rows.
std::vector<uint8_t> MakeBmp(int32_t w, int32_t h, uint16_t bits, uint32_t nInfoSize = 40,
                             uint32_t nCompression = 0, uint32_t nColors = 0)
{
    const size_t stride = ((static_cast<size_t>(w) * bits + 31) / 32) * 4;
    const size_t rows = static_cast<size_t>(h < 0 ? -h : h);
    const size_t masks = (nCompression == 3 && nInfoSize == 40) ? 12 : 0;
    const size_t table = (bits <= 8 ? (nColors != 0 ? nColors : (1u << bits)) : 0) * 4;
    const size_t offset = 14 + nInfoSize + masks + table;
    std::vector<uint8_t> b(offset + stride * rows, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, static_cast<uint32_t>(offset));
    Put32(b, 14, nInfoSize);
    Put32(b, 18, static_cast<uint32_t>(w));
    Put32(b, 22, static_cast<uint32_t>(h));
    Put16(b, 26, 1);
    Put16(b, 28, bits);
    Put32(b, 30, nCompression);
    Put32(b, 46, nColors);
    if (nCompression == 3)
    {
        const size_t at = nInfoSize == 40 ? 54 : 14 + 40;
        Put32(b, at, 0xFF0000);
        Put32(b, at + 4, 0xFF00);
        Put32(b, at + 8, 0xFF);
    }
    return b;
}

struct GoodCase { int32_t w; int32_t h; uint16_t bits; uint32_t nInfo; uint32_t nComp; uint32_t nColors;
                  size_t nStride; uint32_t nExpectedColors; size_t nPaletteOffset; };

class BmpAccepted : public testing::TestWithParam<GoodCase> {};

TEST_P(BmpAccepted, FindsEveryPart)
{
    const GoodCase& c = GetParam();
    const std::vector<uint8_t> file = MakeBmp(c.w, c.h, c.bits, c.nInfo, c.nComp, c.nColors);
    BmpLayout layout{};
    ASSERT_TRUE(ParseBmpFile(file.data(), file.size(), &layout));
    EXPECT_EQ(c.w, layout.nWidth);
    EXPECT_EQ(c.h, layout.nHeight);
    EXPECT_EQ(c.bits, layout.nBitCount);
    EXPECT_EQ(c.nStride, layout.nStride);
    EXPECT_EQ(c.nStride * static_cast<size_t>(c.h < 0 ? -c.h : c.h), layout.nImageSize);
    EXPECT_EQ(c.nExpectedColors, layout.nColors);
    EXPECT_EQ(c.nPaletteOffset, layout.nPaletteOffset);
    EXPECT_EQ(file.size() - layout.nImageSize, layout.nPixelOffset);
    if (c.nComp == 3)
    {
        EXPECT_EQ(0xFF0000u, layout.masks[0]);
        EXPECT_EQ(0xFF00u, layout.masks[1]);
        EXPECT_EQ(0xFFu, layout.masks[2]);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BmpAccepted, testing::Values(
    GoodCase{3, 2, 24, 40, 0, 0, 12, 0, 54}, GoodCase{1, 1, 24, 40, 0, 0, 4, 0, 54},
    GoodCase{5, 3, 32, 40, 0, 0, 20, 0, 54}, GoodCase{5, -3, 32, 124, 0, 0, 20, 0, 138},
    GoodCase{9, 2, 1, 40, 0, 0, 4, 2, 54}, GoodCase{9, 2, 4, 40, 0, 0, 8, 16, 54},
    GoodCase{9, 2, 8, 40, 0, 7, 12, 7, 54}, GoodCase{3, 3, 16, 40, 3, 0, 8, 0, 66},
    GoodCase{3, 3, 32, 108, 3, 0, 12, 0, 122}, GoodCase{8192, 1, 24, 40, 0, 0, 24576, 0, 54}));

struct BadCase { const char* pszWhat; std::function<void(std::vector<uint8_t>&)> damage; };

class BmpRejected : public testing::TestWithParam<BadCase> {};

TEST_P(BmpRejected, RefusesWithoutReadingOutside)
{
    std::vector<uint8_t> file = MakeBmp(4, 4, 24);
    GetParam().damage(file);
    // An exact-size heap copy lets the sanitizer catch any read past the end.
    std::vector<uint8_t> exact(file);
    BmpLayout layout{};
    layout.nWidth = 12345;
    EXPECT_FALSE(ParseBmpFile(exact.data(), exact.size(), &layout)) << GetParam().pszWhat;
    EXPECT_EQ(12345, layout.nWidth) << "output written on failure";
}

INSTANTIATE_TEST_SUITE_P(Table, BmpRejected, testing::Values(
    BadCase{"empty", [](std::vector<uint8_t>& b) { b.clear(); }},
    BadCase{"signature", [](std::vector<uint8_t>& b) { b[1] = 'N'; }},
    BadCase{"only the file header", [](std::vector<uint8_t>& b) { b.resize(14); }},
    BadCase{"cut info header", [](std::vector<uint8_t>& b) { b.resize(30); }},
    BadCase{"core header", [](std::vector<uint8_t>& b) { Put32(b, 14, 12); }},
    BadCase{"zero width", [](std::vector<uint8_t>& b) { Put32(b, 18, 0); }},
    BadCase{"zero height", [](std::vector<uint8_t>& b) { Put32(b, 22, 0); }},
    BadCase{"most negative height", [](std::vector<uint8_t>& b) { Put32(b, 22, 0x80000000u); }},
    BadCase{"huge width", [](std::vector<uint8_t>& b) { Put32(b, 18, 0x7FFFFFFFu); }},
    BadCase{"huge height", [](std::vector<uint8_t>& b) { Put32(b, 22, 0x7FFFFFFFu); }},
    BadCase{"wider than the data", [](std::vector<uint8_t>& b) { Put32(b, 18, 5000); }},
    BadCase{"missing last row", [](std::vector<uint8_t>& b) { b.resize(b.size() - 1); }},
    BadCase{"pixels past the end", [](std::vector<uint8_t>& b) { Put32(b, 10, 0xFFFFFFF0u); }},
    BadCase{"pixels inside the header", [](std::vector<uint8_t>& b) { Put32(b, 10, 20); }},
    BadCase{"planes", [](std::vector<uint8_t>& b) { Put16(b, 26, 2); }},
    BadCase{"bit count 7", [](std::vector<uint8_t>& b) { Put16(b, 28, 7); }},
    BadCase{"run-length", [](std::vector<uint8_t>& b) { Put32(b, 30, 1); }},
    BadCase{"bit fields on 24 bits", [](std::vector<uint8_t>& b) { Put32(b, 30, 3); }},
    // With room for all 257 entries before the pixels: only the count itself is wrong.
    BadCase{"too many colours", [](std::vector<uint8_t>& b) {
        Put16(b, 28, 8); Put32(b, 46, 257); Put32(b, 10, 54 + 257 * 4); b.resize(54 + 257 * 4 + 16); }},
    BadCase{"colour table past the pixels", [](std::vector<uint8_t>& b) {
        Put16(b, 28, 8); Put32(b, 46, 200); }}));

TEST(BmpRejected, FileLargerThanTheLimit)
{
    std::vector<uint8_t> file = MakeBmp(2, 2, 24);
    BmpLayout layout{};
    EXPECT_FALSE(ParseBmpFile(file.data(), 64u * 1024 * 1024 + 1, &layout));  // 64 MiB is the limit
    EXPECT_FALSE(ParseBmpFile(nullptr, 100, &layout));
    EXPECT_FALSE(ParseBmpFile(file.data(), file.size(), nullptr));
}

}  // namespace
