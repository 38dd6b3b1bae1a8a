#include "device/harness/RgbImage.h"

#include <gtest/gtest.h>

namespace {

RgbImage Sample()
{
    RgbImage image;
    image.nWidth = 3;
    image.nHeight = 2;
    image.pixels = {255, 0, 0, 0, 255, 0, 0, 0, 255,
                    10, 20, 30, 40, 50, 60, 70, 80, 90};
    return image;
}

TEST(RgbImageFromWords, TakesEveryPixelOfA32BitDibTopRowFirst)
{
    const uint32_t words[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF0A141E, 0x28323C, 0x46505A};
    const RgbImage image = RgbImageFromWords(words, 3, 2);
    ASSERT_EQ(3, image.nWidth);
    ASSERT_EQ(2, image.nHeight);
    EXPECT_EQ(Sample().pixels, image.pixels) << "the unused top byte is dropped";
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
    EXPECT_EQ(0x28323Cu, Sample().Pixel(1, 1));
    EXPECT_EQ(Sample().pixels, TurnImage(TurnImage(Sample(), true), false).pixels);
    const RgbImage none = TurnImage(RgbImage{}, true);
    EXPECT_EQ(0, none.nWidth + none.nHeight) << "an empty image stays empty";
}

TEST(MatchShare, CountsSampledPixelsOutsideTheExcludedPlaces)
{
    RgbImage a = Sample(), b = Sample();
    EXPECT_DOUBLE_EQ(1.0, MatchShare(a, b, {}, 1));
    b.pixels[0] = 0;  // pixel (0, 0) differs
    EXPECT_DOUBLE_EQ(5.0 / 6.0, MatchShare(a, b, {}, 1));
    EXPECT_DOUBLE_EQ(1.0, MatchShare(a, b, {KeyRect{0, 0, 1, 1}}, 1));
    EXPECT_DOUBLE_EQ(0.5, MatchShare(a, b, {}, 2)) << "samples (0,0) and (2,0)";
    EXPECT_DOUBLE_EQ(0.0, MatchShare(a, TurnImage(b, true), {}, 1)) << "sizes differ";
    EXPECT_DOUBLE_EQ(0.0, MatchShare(a, b, {KeyRect{0, 0, 3, 2}}, 1)) << "nothing sampled";
}

}  // namespace
