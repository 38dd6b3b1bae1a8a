#include "sip/BarLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace
{

std::uint32_t MakeLParam(int x, int y)
{
    return (static_cast<std::uint32_t>(y & 0xFFFF) << 16) | static_cast<std::uint32_t>(x & 0xFFFF);
}

struct HitCase
{
    const char* pszWhat;
    bool bVga;
    int x;
    int y;
    int nExpected;
};

class BarHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(BarHitTest, FindsTheButtonUnderThePoint)
{
    const HitCase& c = GetParam();
    const BarButtonLayout& layout = c.bVga ? GetVgaBarLayout() : GetQvgaBarLayout();
    EXPECT_EQ(c.nExpected, HitTestBar(layout.aRects, c.x, c.y)) << c.pszWhat;
}

// Each button once on either bar, and the rule's edges: a rectangle's left column and
// top row are in it, its right column and bottom row not; of two sharing a row, the upper.
const HitCase g_aHitCases[] = {
    {"qvga Copy", false, 70, 10, SIP_ACTION_COPY},
    {"qvga Select All", false, 70, 40, SIP_ACTION_SELECT_ALL},
    {"qvga gap column 61", false, 61, 10, SIP_ACTION_NONE},
    {"qvga options", false, 230, 30, SIP_ACTION_OPTIONS},
    {"qvga keyboard at its corner", false, 0, 1, SIP_ACTION_KEYBOARD},
    {"qvga top line is no button", false, 10, 0, SIP_ACTION_NONE},
    {"qvga keyboard last row", false, 60, 52, SIP_ACTION_KEYBOARD},
    {"qvga below the buttons", false, 60, 53, SIP_ACTION_NONE},
    {"qvga Cut", false, 114, 1, SIP_ACTION_CUT},
    {"qvga Enter", false, 162, 52, SIP_ACTION_ENTER},
    {"qvga Paste", false, 165, 25, SIP_ACTION_PASTE},
    {"qvga Backspace", false, 212, 28, SIP_ACTION_BACKSPACE},
    {"qvga right of the bitmap", false, 240, 30, SIP_ACTION_NONE},
    {"qvga left of the bitmap", false, -1, 30, SIP_ACTION_NONE},
    {"vga shared row goes to the upper button", true, 150, 54, SIP_ACTION_COPY},
    {"vga Select All", true, 150, 55, SIP_ACTION_SELECT_ALL},
    {"vga keyboard and Copy touch", true, 121, 10, SIP_ACTION_KEYBOARD},
    {"vga Copy begins at 122", true, 122, 10, SIP_ACTION_COPY},
    {"vga Cut", true, 226, 1, SIP_ACTION_CUT},
    {"vga Enter", true, 329, 107, SIP_ACTION_ENTER},
    {"vga Paste", true, 330, 53, SIP_ACTION_PASTE},
    {"vga Backspace", true, 431, 100, SIP_ACTION_BACKSPACE},
    {"vga below Backspace", true, 431, 108, SIP_ACTION_NONE},
    {"vga options", true, 479, 108, SIP_ACTION_OPTIONS},
    {"vga right of the bitmap", true, 480, 50, SIP_ACTION_NONE},
};

INSTANTIATE_TEST_SUITE_P(Points, BarHitTest, testing::ValuesIn(g_aHitCases));

struct PlacementCase
{
    const char* pszWhat;
    int nClientRight;
    int nBitmapWidth;
    int nWindowX;
    int nWindowY;
    int nExpectedLeft;
    int nExpectedX;
    int nExpectedAction;
};

TEST(BarLayout, CentresTheBarAndTranslatesTaps)
{
    const PlacementCase aCases[] = {
        {"240x320 bar 241 wide", 241, 240, 70, 10, 0, 70, SIP_ACTION_COPY},
        {"320x240 bar 321 wide, keyboard", 321, 240, 41, 20, 40, 1, SIP_ACTION_KEYBOARD},
        {"320x240 left margin", 321, 240, 20, 20, 40, -20, SIP_ACTION_NONE},
        {"320x240 options at the far right", 321, 240, 279, 20, 40, 239, SIP_ACTION_OPTIONS},
        {"320x240 right margin", 321, 240, 281, 20, 40, 241, SIP_ACTION_NONE},
        {"narrow window clips both sides", 200, 240, 45, 10, -20, 65, SIP_ACTION_COPY},
        {"narrow window, window x 0 is bar x 20", 200, 240, 0, 10, -20, 20, SIP_ACTION_KEYBOARD},
        {"odd narrow width truncates toward zero", 199, 240, 0, 10, -20, 20, SIP_ACTION_KEYBOARD},
        {"empty window", 0, 240, 0, 10, -120, 120, SIP_ACTION_CUT},
    };
    for (const PlacementCase& c : aCases)
    {
        SCOPED_TRACE(c.pszWhat);
        const int nLeft = BarLeft(0, c.nClientRight, c.nBitmapWidth);
        EXPECT_EQ(c.nExpectedLeft, nLeft);
        const BarPoint pt = TranslateBarPoint(MakeLParam(c.nWindowX, c.nWindowY), nLeft);
        EXPECT_EQ(c.nExpectedX, pt.x);
        EXPECT_EQ(c.nWindowY, pt.y);
        EXPECT_EQ(c.nExpectedAction, HitTestBar(GetQvgaBarLayout().aRects, pt.x, pt.y));
    }
}

// The bar is centred by its bitmap's width, which must end where the last button does.
TEST(BarLayout, EachBitmapIsAsWideAsItsButtons)
{
    for (const BarButtonLayout* pLayout : {&GetQvgaBarLayout(), &GetVgaBarLayout()})
    {
        int nRight = 0;
        for (const BarRect& rc : pLayout->aRects)
            nRight = std::max(nRight, rc.right);
        EXPECT_EQ(nRight, pLayout->nBarWidth);
    }
}

TEST(BarLayout, PointsOutsideTheWindowArriveUnsignedAndHitNothing)
{
    // While the mouse is captured a point at (-5, -3) arrives as 0xFFFD in each half.
    const BarPoint pt = TranslateBarPoint(MakeLParam(-5, -3), 0);
    EXPECT_EQ(0xFFFB, pt.x);
    EXPECT_EQ(0xFFFD, pt.y);
    EXPECT_EQ(SIP_ACTION_NONE, HitTestBar(GetQvgaBarLayout().aRects, pt.x, pt.y));
    EXPECT_EQ(SIP_ACTION_NONE, HitTestBar(GetVgaBarLayout().aRects, pt.x, pt.y));
}

} // namespace
