#include "skin/SkinGeometry.h"

#include "keyboard/TextDirection.h"
#include "support/ScreenRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

constexpr bool kLeft = true;
constexpr bool kRight = false;

// The one turn rule, and the escapement the text takes from it so that it reads
// along the turned keys.
struct TurnCase { int nScreen; int nDesign; bool bLeftHanded; SkinTurn expected; int nEscapement; };

class SkinTurnChoice : public testing::TestWithParam<TurnCase> {};

TEST_P(SkinTurnChoice, FollowsScreenDesignAndHand)
{
    const TurnCase& c = GetParam();
    const SkinTurn turn = ChooseSkinTurn(c.nScreen, c.nDesign, c.bLeftHanded);
    EXPECT_EQ(static_cast<int>(c.expected), static_cast<int>(turn))
        << "screen " << c.nScreen << " design " << c.nDesign << " left " << c.bLeftHanded;
    EXPECT_EQ(c.nEscapement, static_cast<int>(TextTurnFor(turn)))
        << "screen " << c.nScreen << " design " << c.nDesign << " left " << c.bLeftHanded;
}

INSTANTIATE_TEST_SUITE_P(Table, SkinTurnChoice, testing::Values(
    TurnCase{ORIENT_LANDSCAPE, 4, kLeft, SkinTurn::None, 0},
    TurnCase{ORIENT_PORTRAIT, 5, kRight, SkinTurn::None, 0},
    TurnCase{ORIENT_PORTRAIT, 4, kRight, SkinTurn::Clockwise, 2700},
    TurnCase{ORIENT_PORTRAIT, 4, kLeft, SkinTurn::CounterClockwise, 900},
    TurnCase{ORIENT_LANDSCAPE, 5, kLeft, SkinTurn::CounterClockwise, 900},
    // A square screen is portrait.
    TurnCase{ORIENT_SQUARE, 4, kRight, SkinTurn::Clockwise, 2700},
    // An orientation a layout never set (0) or damaged is a portrait design, on either side of 4.
    TurnCase{ORIENT_PORTRAIT, -7, kLeft, SkinTurn::None, 0},
    TurnCase{ORIENT_LANDSCAPE, 0, kRight, SkinTurn::CounterClockwise, 900},
    TurnCase{ORIENT_LANDSCAPE, 6, kLeft, SkinTurn::CounterClockwise, 900}));

struct RectCase { SkinTurn turn; int l, t, w, h, bw, bh; SkinRect expected; };

class DesignRectMapping : public testing::TestWithParam<RectCase> {};

TEST_P(DesignRectMapping, MapsCornersAndClamps)
{
    const RectCase& c = GetParam();
    const SkinRect r = MapDesignRect(c.turn, c.l, c.t, c.w, c.h, c.bw, c.bh);
    EXPECT_EQ(c.expected.nLeft, r.nLeft);
    EXPECT_EQ(c.expected.nTop, r.nTop);
    EXPECT_EQ(c.expected.nRight, r.nRight);
    EXPECT_EQ(c.expected.nBottom, r.nBottom);
}

INSTANTIATE_TEST_SUITE_P(Table, DesignRectMapping, testing::Values(
    RectCase{SkinTurn::None, 10, 20, 30, 40, 320, 240, {10, 20, 40, 60}},
    RectCase{SkinTurn::Clockwise, 10, 20, 30, 40, 320, 240, {180, 10, 220, 40}},
    RectCase{SkinTurn::CounterClockwise, 10, 20, 30, 40, 320, 240, {20, 280, 60, 310}},
    // The whole design area turns into the whole screen.
    RectCase{SkinTurn::Clockwise, 0, 0, 320, 240, 320, 240, {0, 0, 240, 320}},
    // Before any DefaultBackground the design size is 0 x 0.
    RectCase{SkinTurn::Clockwise, 10, 20, 30, 40, 0, 0, {-60, 10, -20, 40}},
    RectCase{SkinTurn::None, 0, 0, 0, 0, 320, 240, {0, 0, 0, 0}},
    // Hostile numbers saturate instead of wrapping.
    RectCase{SkinTurn::None, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0,
             {INT_MAX, INT_MAX, INT_MAX, INT_MAX}},
    RectCase{SkinTurn::Clockwise, INT_MIN, 5, INT_MIN, INT_MAX, INT_MIN, INT_MIN,
             {INT_MIN, INT_MIN, INT_MIN, INT_MIN}},
    RectCase{SkinTurn::CounterClockwise, -5, INT_MAX, INT_MAX, 1, INT_MAX, 0,
             {INT_MAX, 5, INT_MAX, INT_MAX}}));

// Picture coordinates (y downwards) of a bottom-up pixel array.
std::size_t PictureIndex(int x, int y, int nWidth, int nHeight)
{
    return static_cast<std::size_t>(nHeight - 1 - y) * nWidth + x;
}

struct PixelCase { SkinTurn turn; int nWidth; int nHeight; };

class PixelTurning : public testing::TestWithParam<PixelCase> {};

// Every pixel lands where the picture turn puts it: clockwise (x, y) -> (H-1-y, x),
// counter-clockwise (x, y) -> (y, W-1-x), in a picture H wide and W high.
TEST_P(PixelTurning, MovesEveryPixelAndItsRectangleToItsTurnedPlace)
{
    const PixelCase& c = GetParam();
    const int w = c.nWidth, h = c.nHeight;
    std::vector<uint32_t> source(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = 0x01000000u + static_cast<uint32_t>(i);
    std::vector<uint32_t> target(source.size(), 0);
    TurnPixels(c.turn, source.data(), w, h, target.data());
    // Into rows two pixels longer than the turned picture: the same rows, the rest untouched.
    const std::size_t nStride = static_cast<std::size_t>(h) + 2;
    std::vector<uint32_t> padded(nStride * w, 0xEEEEEEEEu);
    TurnPixels(c.turn, source.data(), w, h, padded.data(), nStride);
    for (std::size_t i = 0; i < padded.size(); ++i)
        ASSERT_EQ(i % nStride < static_cast<std::size_t>(h) ? target[i / nStride * h + i % nStride] : 0xEEEEEEEEu,
                  padded[i]) << "padded index " << i;

    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const int tx = c.turn == SkinTurn::Clockwise ? h - 1 - y : y;
            const int ty = c.turn == SkinTurn::Clockwise ? x : w - 1 - x;
            const uint32_t expected = source[PictureIndex(x, y, w, h)];
            ASSERT_EQ(expected, target[PictureIndex(tx, ty, h, w)]) << "picture pixel " << x << "," << y;
            // Memory rows are bottom-up: picture row y is memory row h-1-y.
            ASSERT_EQ(PictureIndex(tx, ty, h, w), TurnedPixelIndex(c.turn, x, h - 1 - y, w, h));
            // A key's rectangle takes the turn its image takes.
            const SkinRect r = MapDesignRect(c.turn, x, y, 1, 1, w, h);
            ASSERT_EQ(std::make_pair(tx, ty), std::make_pair(r.nLeft, r.nTop));
        }
}

INSTANTIATE_TEST_SUITE_P(Table, PixelTurning, testing::Values(
    PixelCase{SkinTurn::Clockwise, 3, 2}, PixelCase{SkinTurn::CounterClockwise, 3, 2},
    PixelCase{SkinTurn::Clockwise, 1, 5}, PixelCase{SkinTurn::CounterClockwise, 7, 1},
    PixelCase{SkinTurn::Clockwise, 64, 33}, PixelCase{SkinTurn::CounterClockwise, 33, 64}));

// A 24-bit picture turns into the very pixels its 32-bit copy does, padding
// bytes at the row ends skipped (widths 1, 2 and 3 pad 1, 2 and 3 bytes).
TEST(PixelTurning, TwentyFourBitRowsTurnLikeTheirThirtyTwoBitCopy)
{
    for (const SkinTurn turn : {SkinTurn::None, SkinTurn::Clockwise, SkinTurn::CounterClockwise})
        for (const auto& size : {std::pair<int, int>{1, 1}, {2, 3}, {3, 2}, {4, 5}, {33, 7}})
        {
            const int w = size.first, h = size.second;
            const std::size_t nStride = Rgb24RowBytes(w);
            ASSERT_EQ(0u, nStride % 4);
            ASSERT_LT(nStride - static_cast<std::size_t>(w) * 3, 4u);
            std::vector<uint8_t> rows(nStride * h, 0xEE);   // padding that must not show
            std::vector<uint32_t> copy(static_cast<std::size_t>(w) * h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                {
                    const uint8_t b = static_cast<uint8_t>(x * 7 + y), g = static_cast<uint8_t>(y * 13),
                                  r = static_cast<uint8_t>(x + 100);
                    uint8_t* p = &rows[y * nStride + x * 3];
                    p[0] = b, p[1] = g, p[2] = r;
                    copy[static_cast<std::size_t>(y) * w + x] = b | g << 8 | static_cast<uint32_t>(r) << 16;
                }
            // Target rows one pixel longer than the picture's, the extra one untouched.
            const std::size_t nTargetWidth = turn == SkinTurn::None ? w : h;
            const std::size_t nTargetStride = nTargetWidth + 1;
            std::vector<uint32_t> expected(nTargetStride * copy.size() / nTargetWidth, 0xFFFFFFFF);
            std::vector<uint32_t> turned(expected.size(), 0xFFFFFFFF);
            TurnPixels(turn, copy.data(), w, h, expected.data(), nTargetStride);
            TurnPixels24(turn, rows.data(), w, h, turned.data(), nTargetStride);
            EXPECT_EQ(expected, turned) << static_cast<int>(turn) << " " << w << "x" << h;
        }
}

// The row order of a section's memory, from its bottom row as GDI reads it.
TEST(PixelTurning, RowOrderIsToldFromTheBottomRow)
{
    // Three rows of two pixels in memory; 32-bit with stray top bytes, and the
    // same colours in 24-bit rows (6 bytes, padded to 8).
    const uint32_t memory32[6] = {0xAA000001, 0x00000002, 0x00000003, 0x00000004, 0x00000005, 0x00000006};
    const uint8_t memory24[24] = {1, 0, 0, 2, 0, 0, 9, 9, 3, 0, 0, 4, 0, 0, 9, 9, 5, 0, 0, 6, 0, 0, 9, 9};
    const uint32_t firstRow[2] = {0x01, 0x02};
    const uint32_t lastRow[2] = {0xFF000005, 0x06};
    const uint32_t neither[2] = {0x01, 0x06};
    const uint32_t same[6] = {7, 8, 0, 0, 7, 8};
    const uint32_t sameRow[2] = {7, 8};
    struct Case { const char* pszName; const uint32_t* pBottom; const void* pBits; int nBits; int w, h; RowOrder expected; };
    const Case cases[] = {
        {"32-bit bottom-up", firstRow, memory32, 32, 2, 3, RowOrder::BottomUp},
        {"32-bit top-down", lastRow, memory32, 32, 2, 3, RowOrder::TopDown},
        {"24-bit top-down", lastRow, memory24, 24, 2, 3, RowOrder::TopDown},
        {"no row matches", neither, memory32, 32, 2, 3, RowOrder::Unknown},
        {"first and last rows alike", sameRow, same, 32, 2, 3, RowOrder::Unknown},
        {"one row is either way", neither, memory32, 32, 2, 1, RowOrder::BottomUp},
        {"16-bit", firstRow, memory32, 16, 2, 3, RowOrder::Unknown},
        {"empty", firstRow, memory32, 32, 0, 3, RowOrder::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, FindRowOrder(c.pBottom, c.pBits, c.nBits, c.w, c.h)) << c.pszName;
}

TEST(PixelTurning, EmptySizesTouchNothing)
{
    const uint32_t source[4] = {1, 2, 3, 4};
    uint32_t untouched[1] = {7};
    TurnPixels(SkinTurn::Clockwise, source, 0, 5, untouched);
    TurnPixels(SkinTurn::Clockwise, source, 5, -1, untouched);
    EXPECT_EQ(7u, untouched[0]);
}

}  // namespace
