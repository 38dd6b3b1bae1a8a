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
    EXPECT_EQ(1, OptionsMargin(5));
}

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

TEST(OptionsLayout, VgaPortraitScalesWithTheFont)
{
    OptionsLayoutInput in = QvgaInput(OptionsOrientation::Portrait, 480, 480, 26);
    in.nWideBannerWidth = 800;
    in.nWideBannerHeight = 100;
    in.nNarrowBannerWidth = 640;
    in.nNarrowBannerHeight = 120;
    const OptionsLayoutResult out = LayOutOptions(in);
    // L = 31, M = 6: top = 120 + 24.
    ExpectRect({-80, 0, 640, 120}, out.banner, "banner");
    ExpectRect({12 + 40, 144 + 12, 180 - 24 - 40, 31}, out.keyboardLabel, "Keyboard");
    ExpectRect({120, 187 + 6, 240, 37}, out.skinList, "skin list");
}

TEST(OptionsLayout, MissingBannersCountAsZero)
{
    OptionsLayoutInput in = QvgaInput(OptionsOrientation::Portrait, 240, 240, 13);
    in.nWideBannerWidth = in.nWideBannerHeight = in.nNarrowBannerWidth = in.nNarrowBannerHeight = 0;
    const OptionsLayoutResult out = LayOutOptions(in);
    ExpectRect({120, 0, 0, 0}, out.banner, "banner");
    EXPECT_EQ(12 + 6, out.keyboardLabel.y);
}

// A text control grows to its text, to the right and up to the client's edge;
// the rule's width stays the least.
TEST(OptionsLayout, TextControlsAreNeverNarrowerThanTheirText)
{
    struct Case { OptionsOrientation orientation; int nRight, nText, nKeyboard, nHabit, nLeft, nRight2; };
    const Case aCases[] = {
        {OptionsOrientation::Portrait, 240, 0, 58, 58, 120, 120},
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

struct CenteredStep
{
    int nTopMargin, nHeight, nWidth, nLeft, nRight, nFlowTop;
    PlacedRect expected;
    int nCursorAfter;
};

TEST(LayoutCentered, FlowsDownFromTheCursor)
{
    const CenteredStep aSteps[] = {
        {0, 10, 20, 0, 20, 0, {0, 0, 20, 10}, 10},          // a new cursor starts at the top
        {3, 21, 120, 0, 240, 96, {60, 99, 120, 21}, 120},   // flow top moves the cursor
        {3, 21, 120, 0, 240, 0, {60, 123, 120, 21}, 144},   // 0 keeps it
        {5, 10, 50, 100, 200, 1, {125, 5, 50, 10}, 15},     // 1 restarts at 0
        {0, 10, 101, 0, 100, 40, {0, 40, 101, 10}, 50},     // wider than the reference
        {0, 10, 131, 0, 100, 40, {-15, 40, 131, 10}, 50},   // negative offsets truncate toward zero
    };
    CenteredCursor cursor;
    for (const CenteredStep& s : aSteps)
    {
        const PlacedRect rc = LayoutCentered(cursor, s.nTopMargin, s.nHeight, s.nWidth, s.nLeft, s.nRight, s.nFlowTop);
        ExpectRect(s.expected, rc, "centred");
        EXPECT_EQ(s.nCursorAfter, cursor.nTop);
    }
}

struct RowStep
{
    int nMargin, nHeight, nIndent, nRightEdge, nFlowTop;
    bool bSameRow;
    int nTopOverride;
    PlacedRect expected;
};

TEST(LayoutRow, RowsAndControlsBesideThePreviousOne)
{
    const RowStep aSteps[] = {
        // A new cursor has placed nothing: beside it starts at the origin.
        {2, 10, 0, 50, 0, true, 0, {2, 2, 46, 10}},
        {6, 18, 20, 90, 72, false, 0, {26, 78, 58, 18}},
        // Beside it: same top, from its right edge plus a margin.
        {6, 18, 0, 200, 0, true, 0, {90, 78, 104, 18}},
        // Beside with a different top margin moves by the difference.
        {6, 18, 0, 300, 0, true, 10, {200, 82, 94, 18}},
        // A normal row below the last control placed.
        {4, 10, 0, 100, 0, false, 0, {4, 104, 92, 10}},
        // Top override on a normal row.
        {4, 10, 0, 100, 0, false, 9, {4, 123, 92, 10}},
        {4, 10, 0, 100, 1, false, 0, {4, 4, 92, 10}},
    };
    RowCursor cursor;
    for (const RowStep& s : aSteps)
    {
        const PlacedRect rc =
            LayoutRow(cursor, s.nMargin, s.nHeight, s.nIndent, s.nRightEdge, s.nFlowTop, s.bSameRow, s.nTopOverride);
        ExpectRect(s.expected, rc, "row");
        EXPECT_EQ(rc.y + rc.nHeight, cursor.nTop);
        EXPECT_EQ(rc.x + rc.nWidth, cursor.nLastRight);
        EXPECT_EQ(s.nHeight, cursor.nLastHeight);
    }
}

} // namespace
