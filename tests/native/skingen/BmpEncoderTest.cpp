#include "BmpEncoder.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

TEST(BmpEncoder, WritesHeadersAndPaddedBottomUpRows)
{
    CCanvas canvas(3, 2, 0x000000);
    canvas.Set(0, 0, 0x112233);  // top-left
    canvas.Set(2, 1, COLOUR_KEY); // bottom-right
    const std::vector<std::uint8_t> bytes = EncodeBmp24(canvas);
    // 3 pixels of 3 bytes pad to 12 bytes a row.
    ASSERT_EQ(54u + 24u, bytes.size());
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
    EXPECT_EQ(78u, U32(bytes, 2));
    EXPECT_EQ(54u, U32(bytes, 10));
    EXPECT_EQ(40u, U32(bytes, 14));
    EXPECT_EQ(3u, U32(bytes, 18));
    EXPECT_EQ(2u, U32(bytes, 22));
    EXPECT_EQ(24, bytes[28]);
    // The first stored row is the bottom one: its last pixel is magenta, blue first.
    EXPECT_EQ(0xFF, bytes[54 + 6]);
    EXPECT_EQ(0x00, bytes[54 + 7]);
    EXPECT_EQ(0xFF, bytes[54 + 8]);
    EXPECT_EQ(0x00, bytes[54 + 9]);  // padding
    // The second stored row is the top one: blue, green, red of 0x112233.
    EXPECT_EQ(0x33, bytes[66]);
    EXPECT_EQ(0x22, bytes[67]);
    EXPECT_EQ(0x11, bytes[68]);
}

TEST(BmpEncoder, RowsOfWholeWordsAreNotPaddedAndSizesPassSixteenBits)
{
    EXPECT_EQ(54u + 2u * 12u, EncodeBmp24(CCanvas(4, 2, 0x000000)).size());
    const std::vector<std::uint8_t> large = EncodeBmp24(CCanvas(200, 110, 0x000000));
    EXPECT_EQ(54u + 600u * 110u, U32(large, 2));
    EXPECT_EQ(600u * 110u, U32(large, 34));
}

}  // namespace
