#include "keyboard/TextDirection.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLandscapeDesign = 4;
constexpr int kPortraitDesign = 5;

struct CaretCase
{
    SkinTurn turn;
    int nDesign;
    ViewPoint expected;
};

TEST(TextDirection, CaretPointFollowsTheTurn)
{
    // Caret at (7, 30) in the edit control; edit view area (100, 50)-(300, 90).
    const ViewPoint p{7, 30};
    const ViewRect a{100, 50, 300, 90};
    const CaretCase cases[] = {
        {SkinTurn::None, kPortraitDesign, {107, 79}},
        {SkinTurn::None, kLandscapeDesign, {108, 79}},
        {SkinTurn::CounterClockwise, kPortraitDesign, {130, 82}},
        {SkinTurn::CounterClockwise, kLandscapeDesign, {130, 81}},
        {SkinTurn::Clockwise, kLandscapeDesign, {269, 57}},
    };
    for (const CaretCase& c : cases)
    {
        const ViewPoint got = MapCaretPoint(p, a, c.turn, c.nDesign);
        EXPECT_EQ(c.expected.x, got.x) << "turn " << static_cast<int>(c.turn) << " design " << c.nDesign;
        EXPECT_EQ(c.expected.y, got.y) << "turn " << static_cast<int>(c.turn) << " design " << c.nDesign;
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
    SkinTurn turn;
    int nKey;
    bool bPass;
    int nExpected;
};

constexpr int kDelete = 46;
constexpr int kHome = 36;
// Windows' own arrow keys (VK_LEFT..VK_DOWN), which the edit control acts on.
constexpr int kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

TEST(TextDirection, ArrowsTurnWithTheTextAndOtherKeysAreDroppedWhileTurned)
{
    const RouteCase cases[] = {
        // Upright: everything passes unchanged.
        {SkinTurn::None, kLeft, true, kLeft},
        {SkinTurn::None, kDelete, true, kDelete},
        // Counter-clockwise (a landscape skin for the left hand, a portrait one on a landscape screen).
        {SkinTurn::CounterClockwise, kLeft, true, kUp},
        {SkinTurn::CounterClockwise, kUp, true, kRight},
        {SkinTurn::CounterClockwise, kRight, true, kDown},
        {SkinTurn::CounterClockwise, kDown, true, kLeft},
        {SkinTurn::CounterClockwise, kDelete, false, kDelete},
        {SkinTurn::CounterClockwise, kHome, false, kHome},
        // Clockwise (a landscape skin for the right hand).
        {SkinTurn::Clockwise, kLeft, true, kDown},
        {SkinTurn::Clockwise, kUp, true, kLeft},
        {SkinTurn::Clockwise, kRight, true, kUp},
        {SkinTurn::Clockwise, kDown, true, kRight},
        {SkinTurn::Clockwise, kDelete, false, kDelete},
    };
    for (const RouteCase& c : cases)
    {
        const EditKeyRoute route = RouteEditKey(c.nKey, c.turn);
        EXPECT_EQ(c.bPass, route.bPass) << "turn " << static_cast<int>(c.turn) << " key " << c.nKey;
        if (c.bPass)
        {
            EXPECT_EQ(c.nExpected, route.nKey) << "turn " << static_cast<int>(c.turn) << " key " << c.nKey;
        }
    }
}

}  // namespace
