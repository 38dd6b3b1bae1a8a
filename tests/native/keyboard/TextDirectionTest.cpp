#include "keyboard/TextDirection.h"

#include "support/ScreenRules.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLandscapeDesign = 4;
constexpr int kPortraitDesign = 5;
constexpr unsigned long kLeft = 1;
constexpr unsigned long kRight = 0;

struct TurnCase
{
    int nDesign;
    int nScreen;
    unsigned long dwHabit;
    TextTurn expected;
};

TEST(TextDirection, TurnMatchesTheWayTheSkinIsTurned)
{
    const TurnCase cases[] = {
        {kLandscapeDesign, ORIENT_LANDSCAPE, kLeft, TextTurn::Upright},
        {kLandscapeDesign, ORIENT_LANDSCAPE, kRight, TextTurn::Upright},
        {kLandscapeDesign, ORIENT_PORTRAIT, kLeft, TextTurn::CounterClockwise},
        {kLandscapeDesign, ORIENT_PORTRAIT, 7, TextTurn::CounterClockwise},   // any non-zero habit is left
        {kLandscapeDesign, ORIENT_PORTRAIT, kRight, TextTurn::Clockwise},
        {kLandscapeDesign, ORIENT_SQUARE, kLeft, TextTurn::CounterClockwise},
        {kLandscapeDesign, ORIENT_SQUARE, kRight, TextTurn::Clockwise},
        {kPortraitDesign, ORIENT_LANDSCAPE, kLeft, TextTurn::CounterClockwise},
        {kPortraitDesign, ORIENT_LANDSCAPE, kRight, TextTurn::CounterClockwise},
        {kPortraitDesign, ORIENT_PORTRAIT, kRight, TextTurn::Upright},
        {kPortraitDesign, ORIENT_SQUARE, kLeft, TextTurn::Upright},
        {0, ORIENT_LANDSCAPE, kRight, TextTurn::CounterClockwise},
        {0, ORIENT_PORTRAIT, kLeft, TextTurn::Upright},
    };
    for (const TurnCase& c : cases)
    {
        EXPECT_EQ(static_cast<int>(c.expected), static_cast<int>(ChooseTextTurn(c.nDesign, c.nScreen, c.dwHabit)))
            << "design " << c.nDesign << " screen " << c.nScreen << " habit " << c.dwHabit;
    }
}

struct CaretCase
{
    int nDesign;
    int nScreen;
    unsigned long dwHabit;
    ViewPoint expected;
};

TEST(TextDirection, CaretPointFollowsTheTurn)
{
    // Caret at (7, 30) in the edit control; edit view area (100, 50)-(300, 90).
    const ViewPoint p{7, 30};
    const ViewRect a{100, 50, 300, 90};
    const CaretCase cases[] = {
        {kPortraitDesign, ORIENT_PORTRAIT, kRight, {107, 79}},
        {kPortraitDesign, ORIENT_SQUARE, kLeft, {107, 79}},
        {kPortraitDesign, ORIENT_LANDSCAPE, kLeft, {130, 82}},
        {kPortraitDesign, ORIENT_LANDSCAPE, kRight, {130, 82}},
        {kLandscapeDesign, ORIENT_LANDSCAPE, kRight, {108, 79}},
        {kLandscapeDesign, ORIENT_PORTRAIT, kRight, {269, 57}},
        {kLandscapeDesign, ORIENT_SQUARE, kRight, {269, 57}},
        {kLandscapeDesign, ORIENT_PORTRAIT, kLeft, {130, 81}},
    };
    for (const CaretCase& c : cases)
    {
        const ViewPoint got = MapCaretPoint(p, a, c.nDesign, c.nScreen, c.dwHabit);
        EXPECT_EQ(c.expected.x, got.x) << "design " << c.nDesign << " screen " << c.nScreen << " habit " << c.dwHabit;
        EXPECT_EQ(c.expected.y, got.y) << "design " << c.nDesign << " screen " << c.nScreen << " habit " << c.dwHabit;
    }
}

struct OriginCase
{
    TextTurn turn;
    int nMargin;
    int nOffset;
    ViewPoint expected;
};

TEST(TextDirection, LinesStartAtTheReadingEdgeAndStepAcross)
{
    const ViewRect a{100, 50, 300, 90};
    const OriginCase cases[] = {
        {TextTurn::Upright, 0, 0, {102, 50}},          // margin 0: (A.left + 2, A.top)
        {TextTurn::Upright, 3, 32, {105, 82}},         // third line after an empty one
        {TextTurn::CounterClockwise, 0, 0, {100, 88}},
        {TextTurn::CounterClockwise, 4, 16, {116, 84}},
        {TextTurn::Clockwise, 0, 0, {300, 52}},
        {TextTurn::Clockwise, 4, 16, {284, 56}},
    };
    for (const OriginCase& c : cases)
    {
        const ViewPoint got = EditLineOrigin(c.turn, a, c.nMargin, c.nOffset);
        EXPECT_EQ(c.expected.x, got.x) << static_cast<int>(c.turn) << " offset " << c.nOffset;
        EXPECT_EQ(c.expected.y, got.y) << static_cast<int>(c.turn) << " offset " << c.nOffset;
    }
}

struct RouteCase
{
    int nDesign;
    int nScreen;
    unsigned long dwHabit;
    int nKey;
    bool bPass;
    int nExpected;
};

constexpr int kDelete = 46;
constexpr int kHome = 36;

TEST(TextDirection, ArrowsTurnWithTheTextAndOtherKeysAreDroppedWhileTurned)
{
    const RouteCase cases[] = {
        // Upright: everything passes unchanged.
        {kLandscapeDesign, ORIENT_LANDSCAPE, kLeft, VK_ARROW_LEFT, true, VK_ARROW_LEFT},
        {kLandscapeDesign, ORIENT_LANDSCAPE, kRight, kDelete, true, kDelete},
        {kPortraitDesign, ORIENT_PORTRAIT, kRight, VK_ARROW_DOWN, true, VK_ARROW_DOWN},
        {kPortraitDesign, ORIENT_SQUARE, kLeft, kHome, true, kHome},
        // Landscape skin on a portrait screen, left-handed: counter-clockwise.
        {kLandscapeDesign, ORIENT_PORTRAIT, kLeft, VK_ARROW_LEFT, true, VK_ARROW_UP},
        {kLandscapeDesign, ORIENT_PORTRAIT, kLeft, VK_ARROW_UP, true, VK_ARROW_RIGHT},
        {kLandscapeDesign, ORIENT_PORTRAIT, kLeft, VK_ARROW_RIGHT, true, VK_ARROW_DOWN},
        {kLandscapeDesign, ORIENT_PORTRAIT, kLeft, VK_ARROW_DOWN, true, VK_ARROW_LEFT},
        {kLandscapeDesign, ORIENT_PORTRAIT, kLeft, kDelete, false, kDelete},
        // Right-handed: clockwise.
        {kLandscapeDesign, ORIENT_PORTRAIT, kRight, VK_ARROW_LEFT, true, VK_ARROW_DOWN},
        {kLandscapeDesign, ORIENT_PORTRAIT, kRight, VK_ARROW_UP, true, VK_ARROW_LEFT},
        {kLandscapeDesign, ORIENT_PORTRAIT, kRight, VK_ARROW_RIGHT, true, VK_ARROW_UP},
        {kLandscapeDesign, ORIENT_PORTRAIT, kRight, VK_ARROW_DOWN, true, VK_ARROW_RIGHT},
        {kLandscapeDesign, ORIENT_SQUARE, kRight, kDelete, false, kDelete},
        // Portrait skin on a landscape screen: counter-clockwise for either hand.
        {kPortraitDesign, ORIENT_LANDSCAPE, kRight, VK_ARROW_LEFT, true, VK_ARROW_UP},
        {kPortraitDesign, ORIENT_LANDSCAPE, kRight, VK_ARROW_DOWN, true, VK_ARROW_LEFT},
        {kPortraitDesign, ORIENT_LANDSCAPE, kLeft, kHome, false, kHome},
    };
    for (const RouteCase& c : cases)
    {
        const EditKeyRoute route = RouteEditKey(c.nKey, c.nDesign, c.nScreen, c.dwHabit);
        EXPECT_EQ(c.bPass, route.bPass) << "design " << c.nDesign << " screen " << c.nScreen << " key " << c.nKey;
        if (c.bPass)
        {
            EXPECT_EQ(c.nExpected, route.nKey) << "design " << c.nDesign << " screen " << c.nScreen << " key " << c.nKey;
        }
    }
}

}  // namespace
