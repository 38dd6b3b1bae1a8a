#include "device/SkinGeometry.h"
#include "device/TypingPlan.h"

#include <gtest/gtest.h>

#include <vector>

// Edges of the device's small value types and its Options.dat reading that the larger tests
// beside this one do not reach.
namespace {

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
