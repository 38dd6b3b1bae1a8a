#include "settings/OptionsLayout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace
{

void ExpectRect(const PlacedRect& expected, const PlacedRect& actual, const char* pszWhat)
{
    EXPECT_EQ(std::tie(expected.x, expected.y, expected.nWidth, expected.nHeight),
              std::tie(actual.x, actual.y, actual.nWidth, actual.nHeight)) << pszWhat;
}

OptionsLayoutInput QvgaInput(OptionsOrientation orientation, int nClientRight, int nScreenWidth, int nFontHeight)
{
    OptionsLayoutInput in = {};
    in.orientation = orientation;
    in.nClientRight = nClientRight;
    in.nScreenWidth = nScreenWidth;
    in.nLineHeight = OptionsLineHeight(nFontHeight);
    in.nMargin = OptionsMargin(in.nLineHeight);
    in.nWideBannerWidth = 400;
    in.nWideBannerHeight = 50;
    in.nNarrowBannerWidth = 320;
    in.nNarrowBannerHeight = 60;
    return in;
}

TEST(OptionsLayout, LineHeightAndMarginFromTheFont)
{
    EXPECT_EQ(18, OptionsLineHeight(13));
    EXPECT_EQ(18, OptionsLineHeight(-13));
    EXPECT_EQ(3, OptionsMargin(18));
    EXPECT_EQ(4, OptionsMargin(21));
}

// The two placers are seen through the tab they place: the dialog asks neither for a
// control beside another, nor for a top override, nor for the flow tops 0 and 1.
// A 240x320 portrait screen whose system font is 13 pixels high.
TEST(OptionsLayout, PortraitQvgaWorkedExample)
{
    const OptionsLayoutResult out = LayOutOptions(QvgaInput(OptionsOrientation::Portrait, 240, 240, 13));
    ASSERT_TRUE(out.bPlaced);
    EXPECT_FALSE(out.bWideBanner);
    ExpectRect({-40, 0, 320, 60}, out.banner, "banner");
    ExpectRect({26, 78, 58, 18}, out.keyboardLabel, "Keyboard");
    ExpectRect({60, 99, 120, 21}, out.skinList, "skin list");
    // Habit: 2 margins below the list, then its own 6-pixel margin.
    ExpectRect({26, 120 + 6 + 6, 58, 18}, out.habitLabel, "Habit");
    ExpectRect({60, 150 + 3 + 3, 120, 21}, out.leftHanded, "Left-handed");
    ExpectRect({60, 177 + 3 + 3, 120, 21}, out.rightHanded, "Right-handed");
    ExpectRect({60, 204 + 3 + 3, 120, 21}, out.accents, "Accents on long press");
}

// On 320x240 the wide banner is shown, but the controls start below the
// narrow banner's 60 pixels plus four margins.
TEST(OptionsLayout, LandscapeQvga)
{
    const OptionsLayoutResult out = LayOutOptions(QvgaInput(OptionsOrientation::Landscape, 320, 320, 13));
    ASSERT_TRUE(out.bPlaced);
    EXPECT_TRUE(out.bWideBanner);
    ExpectRect({-40, 0, 400, 50}, out.banner, "banner");
    // Left half: indent 320/24 = 13, right edge 160.
    ExpectRect({6 + 13, 72 + 6, 160 - 12 - 13, 18}, out.keyboardLabel, "Keyboard");
    ExpectRect({(160 - 106) / 2, 96 + 3, 106, 21}, out.skinList, "skin list");
    // Right half, from the same top as the left one.
    ExpectRect({6 + 160, 72 + 6, 320 - 12 - 160, 18}, out.habitLabel, "Habit");
    ExpectRect({160 + (160 - 106) / 2, 96 + 3 + 3, 106, 21}, out.leftHanded, "Left-handed");
    ExpectRect({160 + (160 - 106) / 2, 123 + 3 + 3, 106, 21}, out.rightHanded, "Right-handed");
    // Two lines in the left half, under the skin list.
    ExpectRect({6 + 13, 120 + 6, 160 - 12 - 13, 39}, out.accents, "Accents on long press");
}

// A text control grows to its text, to the right and up to the client's edge;
// the rule's width stays the least.
TEST(OptionsLayout, TextControlsAreNeverNarrowerThanTheirText)
{
    struct Case { OptionsOrientation orientation; int nRight, nText, nKeyboard, nHabit, nLeft, nRight2; };
    const Case aCases[] = {
        {OptionsOrientation::Portrait, 240, 68, 68, 68, 120, 120},
        {OptionsOrientation::Portrait, 240, 150, 150, 150, 150, 150},
        {OptionsOrientation::Portrait, 240, 500, 240 - 26, 240 - 26, 240 - 60, 240 - 60},
        {OptionsOrientation::Landscape, 320, 120, 135, 148, 120, 120},
        {OptionsOrientation::Landscape, 320, 500, 320 - 19, 320 - 166, 320 - 187, 320 - 187},
    };
    for (const Case& c : aCases)
    {
        OptionsLayoutInput in = QvgaInput(c.orientation, c.nRight, c.nRight, 13);
        in.nKeyboardTextWidth = in.nHabitTextWidth = in.nLeftTextWidth = in.nRightTextWidth = c.nText;
        const OptionsLayoutResult out = LayOutOptions(in);
        const OptionsLayoutResult rule = LayOutOptions(QvgaInput(c.orientation, c.nRight, c.nRight, 13));
        EXPECT_EQ(std::tie(c.nKeyboard, c.nHabit, c.nLeft, c.nRight2),
                  std::tie(out.keyboardLabel.nWidth, out.habitLabel.nWidth, out.leftHanded.nWidth,
                           out.rightHanded.nWidth)) << c.nText;
        EXPECT_EQ(std::tie(rule.keyboardLabel.x, rule.habitLabel.x, rule.leftHanded.x, rule.rightHanded.y),
                  std::tie(out.keyboardLabel.x, out.habitLabel.x, out.leftHanded.x, out.rightHanded.y));
    }
}

TEST(OptionsLayout, SquareScreensPlaceNothing)
{
    const OptionsLayoutResult out = LayOutOptions(QvgaInput(OptionsOrientation::Square, 320, 320, 13));
    EXPECT_FALSE(out.bPlaced);
}

} // namespace
