#include "Glyphs.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr Colour kPaper = 0xFFFFFF;
constexpr Colour kInk = 0x000000;

// Shift is an outlined arrow, caps lock a solid one: the middle of the arrow tells them apart.
TEST(Glyphs, ShiftIsHollowAndCapsIsSolid)
{
    CCanvas shift(40, 40, kPaper);
    DrawShiftGlyph(shift, 20, 20, 2, kInk);
    EXPECT_EQ(kPaper, shift.At(20, 22));   // inside the outline
    EXPECT_EQ(kInk, shift.At(20, 20 - 14)); // the outline near the tip
    CCanvas caps(40, 40, kPaper);
    DrawCapsGlyph(caps, 20, 20, 2, kInk);
    EXPECT_EQ(kInk, caps.At(20, 20));
    EXPECT_EQ(kInk, caps.At(20, 37));       // the bar under the arrow
}

TEST(Glyphs, GlyphsStayNearTheirCentre)
{
    using Draw = void (*)(CCanvas&, double, double, double, Colour);
    for (Draw draw : {&DrawShiftGlyph, &DrawCapsGlyph, &DrawEnterGlyph, &DrawBackspaceGlyph, &DrawSpaceGlyph,
                      &DrawUpArrowGlyph})
    {
        CCanvas canvas(80, 80, kPaper);
        draw(canvas, 40, 40, 1, kInk);
        int nInk = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x)
                if (canvas.At(x, y) != kPaper)
                {
                    ++nInk;
                    EXPECT_LT(std::abs(x - 40), 16);
                    EXPECT_LT(std::abs(y - 40), 16);
                }
        EXPECT_GT(nInk, 20);
    }
}

TEST(Glyphs, BackspaceCrossSitsInsideItsTag)
{
    CCanvas canvas(60, 40, kPaper);
    DrawBackspaceGlyph(canvas, 30, 20, 2, kInk);
    EXPECT_NE(kPaper, canvas.At(35, 20));  // the middle of the cross
    EXPECT_EQ(kPaper, canvas.At(45, 20));  // between the cross and the right edge
    EXPECT_NE(kPaper, canvas.At(49, 20));  // the right edge of the tag
    EXPECT_EQ(kPaper, canvas.At(51, 7));   // it stands upright
    EXPECT_EQ(kPaper, canvas.At(51, 33));
}

TEST(Glyphs, KeyboardHasEightKeysAboveAShorterThirdRow)
{
    CCanvas canvas(100, 100, kPaper);
    DrawKeyboardGlyph(canvas, 50, 50, 2, 0x808080, kInk, 0xFFFF00, 0x0000FF);
    EXPECT_EQ(kInk, canvas.At(81, 46));       // the eighth key of the top row
    EXPECT_EQ(0x808080u, canvas.At(85, 64));  // bare body where the third row has ended
}

}  // namespace
