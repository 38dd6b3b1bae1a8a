#include "device/Deflate.h"
#include "device/ImageFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

std::vector<uint8_t> Bytes(const char* psz)
{
    return std::vector<uint8_t>(psz, psz + std::strlen(psz));
}

uint32_t BigEndian(const std::vector<uint8_t>& v, size_t i)
{
    return (uint32_t{v[i]} << 24) | (uint32_t{v[i + 1]} << 16) | (uint32_t{v[i + 2]} << 8) | v[i + 3];
}

TEST(Checksums, MatchTheirPublishedCheckValues)
{
    const std::vector<uint8_t> digits = Bytes("123456789");
    EXPECT_EQ(0xCBF43926u, Crc32(digits.data(), digits.size()));
    const std::vector<uint8_t> word = Bytes("Wikipedia");
    EXPECT_EQ(0x11E60398u, Adler32(word.data(), word.size()));
    EXPECT_EQ(1u, Adler32(nullptr, 0));
}

TEST(Inflate, DecodesStreamsOfOtherEncoders)
{
    std::vector<uint8_t> out;
    // "a" with fixed codes, as zlib writes it.
    ASSERT_TRUE(Inflate({0x4B, 0x04, 0x00}, out));
    EXPECT_EQ(Bytes("a"), out);
    // "abcabcabc" with fixed codes and a back reference.
    ASSERT_TRUE(Inflate({0x4B, 0x4C, 0x4A, 0x4E, 0x04, 0x23, 0x00}, out));
    EXPECT_EQ(Bytes("abcabcabc"), out);
    // A stored block.
    ASSERT_TRUE(Inflate({0x01, 0x02, 0x00, 0xFD, 0xFF, 'h', 'i'}, out));
    EXPECT_EQ(Bytes("hi"), out);
    EXPECT_FALSE(Inflate({0x01, 0x02, 0x00, 0xFD, 0xFE, 'h', 'i'}, out)) << "length check";
    EXPECT_FALSE(Inflate({0x05}, out)) << "dynamic codes are not ours";
    EXPECT_FALSE(Inflate({0x4B}, out)) << "truncated";
}

TEST(Deflate, RoundTripsAndShrinksRepetitiveData)
{
    std::mt19937 random(7);
    std::vector<std::vector<uint8_t>> inputs = {{}, Bytes("x"), Bytes("abcabcabcabcabc"), std::vector<uint8_t>(100000, 0xFF)};
    std::vector<uint8_t> noise(70000);
    for (uint8_t& b : noise)
        b = static_cast<uint8_t>(random());
    inputs.push_back(noise);
    std::vector<uint8_t> rows;
    for (int i = 0; i < 50000; ++i)
        rows.push_back(static_cast<uint8_t>((i % 300) < 150 ? i % 7 : 200));
    inputs.push_back(rows);
    for (const auto& input : inputs)
    {
        std::vector<uint8_t> back;
        ASSERT_TRUE(Inflate(Deflate(input), back)) << input.size();
        EXPECT_EQ(input, back);
    }
    EXPECT_LT(Deflate(std::vector<uint8_t>(100000, 0xFF)).size(), 1000u);
}

RgbImage Sample()
{
    RgbImage image;
    image.nWidth = 3;
    image.nHeight = 2;
    image.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255,
                    10, 20, 30, 40, 50, 60, 70, 80, 90};
    return image;
}

TEST(EncodePng, WritesChunksWhoseDataDecodesToThePixels)
{
    const std::vector<uint8_t> png = EncodePng(Sample());
    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    ASSERT_GT(png.size(), 8u);
    ASSERT_EQ(0, std::memcmp(png.data(), signature, 8));
    std::vector<std::string> types;
    std::vector<uint8_t> idat;
    for (size_t i = 8; i + 12 <= png.size();)
    {
        const uint32_t cb = BigEndian(png, i);
        const std::string type(png.begin() + i + 4, png.begin() + i + 8);
        ASSERT_LE(i + 12 + cb, png.size());
        EXPECT_EQ(Crc32(png.data() + i + 4, cb + 4), BigEndian(png, i + 8 + cb)) << type;
        if (type == "IHDR")
        {
            EXPECT_EQ(3u, BigEndian(png, i + 8));
            EXPECT_EQ(2u, BigEndian(png, i + 12));
            EXPECT_EQ(8, png[i + 16]);
            EXPECT_EQ(2, png[i + 17]);
        }
        if (type == "IDAT")
            idat.assign(png.begin() + i + 8, png.begin() + i + 8 + cb);
        types.push_back(type);
        i += 12 + cb;
    }
    EXPECT_EQ((std::vector<std::string>{"IHDR", "IDAT", "IEND"}), types);
    ASSERT_GT(idat.size(), 6u);
    EXPECT_EQ(0, (idat[0] * 256 + idat[1]) % 31) << "zlib header check";
    std::vector<uint8_t> raw;
    ASSERT_TRUE(Inflate(std::vector<uint8_t>(idat.begin() + 2, idat.end() - 4), raw));
    const std::vector<uint8_t> expected = {0, 255, 0, 0, 0, 255, 0, 0, 0, 255,
                                           0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
    EXPECT_EQ(expected, raw);
    EXPECT_EQ(Adler32(raw.data(), raw.size()), BigEndian(idat, idat.size() - 4));
}

TEST(EncodeBmp, WritesBottomUpRowsPaddedToFourBytes)
{
    const std::vector<uint8_t> bmp = EncodeBmp(Sample());
    ASSERT_EQ(54u + 2 * 12, bmp.size());
    EXPECT_EQ('B', bmp[0]);
    EXPECT_EQ('M', bmp[1]);
    EXPECT_EQ(24, bmp[28]);
    // First stored row is the bottom one, in blue-green-red order.
    EXPECT_EQ(30, bmp[54]);
    EXPECT_EQ(20, bmp[55]);
    EXPECT_EQ(10, bmp[56]);
    EXPECT_EQ(0, bmp[54 + 9]) << "padding";
    EXPECT_EQ(0, bmp[66]);
    EXPECT_EQ(0, bmp[67]);
    EXPECT_EQ(255, bmp[68]);
    EXPECT_EQ(0xFF0000u, Sample().Pixel(0, 0));
    EXPECT_EQ(0x28323Cu, Sample().Pixel(1, 1));
}

}  // namespace

namespace {

TEST(DecodeBmp, ReadsWhatEncodeBmpWritesAndTopDownFiles)
{
    RgbImage back;
    ASSERT_TRUE(DecodeBmp(EncodeBmp(Sample()), back));
    EXPECT_EQ(Sample().pixels, back.pixels);
    // The same file stored top-down: negative height, rows in screen order.
    std::vector<uint8_t> bmp = EncodeBmp(Sample());
    const int32_t nNegative = -2;
    std::memcpy(&bmp[22], &nNegative, 4);
    std::swap_ranges(bmp.begin() + 54, bmp.begin() + 66, bmp.begin() + 66);
    ASSERT_TRUE(DecodeBmp(bmp, back));
    EXPECT_EQ(Sample().pixels, back.pixels);
}

TEST(DecodeBmp, RefusesWhatItCannotRead)
{
    std::vector<uint8_t> bmp = EncodeBmp(Sample());
    RgbImage image;
    EXPECT_FALSE(DecodeBmp(std::vector<uint8_t>(bmp.begin(), bmp.end() - 1), image)) << "truncated pixels";
    std::vector<uint8_t> eight = bmp;
    eight[28] = 8;
    EXPECT_FALSE(DecodeBmp(eight, image)) << "palette images";
    std::vector<uint8_t> huge = bmp;
    huge[21] = 0x7F;
    EXPECT_FALSE(DecodeBmp(huge, image)) << "absurd width";
    EXPECT_FALSE(DecodeBmp(Bytes("BM"), image));
}

TEST(TurnImage, MovesTheTopLeftCornerAsTheHandWants)
{
    const RgbImage clockwise = TurnImage(Sample(), true);
    ASSERT_EQ(2, clockwise.nWidth);
    ASSERT_EQ(3, clockwise.nHeight);
    EXPECT_EQ(0xFF0000u, clockwise.Pixel(1, 0)) << "top-left goes to the top-right";
    EXPECT_EQ(0x0A141Eu, clockwise.Pixel(0, 0));
    EXPECT_EQ(0x0000FFu, clockwise.Pixel(1, 2));
    const RgbImage counter = TurnImage(Sample(), false);
    EXPECT_EQ(0xFF0000u, counter.Pixel(0, 2)) << "top-left goes to the bottom-left";
    EXPECT_EQ(0x0000FFu, counter.Pixel(0, 0));
    EXPECT_EQ(Sample().pixels, TurnImage(TurnImage(Sample(), true), false).pixels);
}

TEST(MatchShare, CountsSampledPixelsOutsideTheExcludedPlaces)
{
    RgbImage a = Sample(), b = Sample();
    EXPECT_DOUBLE_EQ(1.0, MatchShare(a, b, {}, 1));
    b.pixels[0] = 0;  // pixel (0, 0) differs
    EXPECT_DOUBLE_EQ(5.0 / 6.0, MatchShare(a, b, {}, 1));
    EXPECT_DOUBLE_EQ(1.0, MatchShare(a, b, {{0, 0, 1, 1}}, 1));
    EXPECT_DOUBLE_EQ(0.5, MatchShare(a, b, {}, 2)) << "samples (0,0) and (2,0)";
    EXPECT_DOUBLE_EQ(0.0, MatchShare(a, TurnImage(b, true), {}, 1)) << "sizes differ";
    EXPECT_DOUBLE_EQ(0.0, MatchShare(a, b, {{0, 0, 3, 2}}, 1)) << "nothing sampled";
}

}  // namespace
