#include "device/Deflate.h"
#include "device/ImageFile.h"
#include "device/MiniXml.h"
#include "device/SkinGeometry.h"
#include "device/TypingPlan.h"

#include <gtest/gtest.h>

#include <vector>

// Edges of the device's file formats and small value types that the larger tests
// beside this one do not reach.
namespace {

TEST(FormatEdges, InflateFollowsALongMatchOfAnotherEncoder)
{
    // 0..31 four times and 0..23, as zlib writes it with fixed codes: a match of
    // 120 bytes 32 back (length code 277, distance code 9).
    const std::vector<uint8_t> stream = {
        0x63, 0x60, 0x64, 0x62, 0x66, 0x61, 0x65, 0x63, 0xE7, 0xE0, 0xE4, 0xE2, 0xE6, 0xE1, 0xE5, 0xE3, 0x17, 0x10, 0x14,
        0x12, 0x16, 0x11, 0x15, 0x13, 0x97, 0x90, 0x94, 0x92, 0x96, 0x91, 0x95, 0x93, 0x67, 0x18, 0x20, 0x79, 0x00};
    std::vector<uint8_t> expected;
    for (int i = 0; i < 152; ++i)
        expected.push_back(static_cast<uint8_t>(i % 32));
    std::vector<uint8_t> out;
    ASSERT_TRUE(Inflate(stream, out));
    EXPECT_EQ(expected, out);
}

TEST(FormatEdges, PngHeaderSaysEightBitRgbDeflateNotInterlaced)
{
    RgbImage image;
    image.nWidth = 2;
    image.nHeight = 1;
    image.pixels.assign(6, 0x80);
    const std::vector<uint8_t> png = EncodePng(image);
    ASSERT_GT(png.size(), 29u);
    EXPECT_EQ((std::vector<uint8_t>{0, 0, 0, 2, 0, 0, 0, 1, 8, 2, 0, 0, 0}),
              std::vector<uint8_t>(png.begin() + 16, png.begin() + 29));
}

TEST(FormatEdges, AnEndTagMustCloseItsOwnElement)
{
    for (const char* psz : {"<a></b>", "<a></a", "<a></a x"})
        EXPECT_EQ(nullptr, ParseXml(psz)) << psz;
    EXPECT_NE(nullptr, ParseXml("<a></a>"));
}

TEST(FormatEdges, AKeyHoldsOnlyPointsInsideOnBothAxes)
{
    const KeyRect rc{10, 20, 30, 40};
    EXPECT_TRUE(rc.Contains(10, 20));
    EXPECT_FALSE(rc.Contains(15, 45));
    EXPECT_FALSE(rc.Contains(35, 25));
    EXPECT_FALSE(rc.Contains(30, 25));
}

TEST(FormatEdges, KeyboardStatesDifferingInOneThingDiffer)
{
    const KeyboardState base;
    KeyboardState view = base, caps = base, shift = base;
    view.nView = 2;
    caps.bCapsLock = true;
    shift.bShift = true;
    EXPECT_TRUE(base == KeyboardState{});
    EXPECT_FALSE(base == view);
    EXPECT_FALSE(base == caps);
    EXPECT_FALSE(base == shift);
}

TEST(FormatEdges, AnOptionsFileOfHabitAndEmptyCountIsRead)
{
    UserChoices choices;
    ASSERT_TRUE(ParseOptionsFile({0, 0, 0, 0, 0, 0, 0, 0}, choices));
    EXPECT_FALSE(choices.bLeftHanded);
    EXPECT_EQ(u"Silver.xml", choices.skinFile);
}

}  // namespace
