#include "WineTestSupport.h"

#include <gtest/gtest.h>

// The runner promises a screen of the size it names; every other test relies on it.
TEST(Screen, MatchesTheSizeTheRunnerAskedFor)
{
    const ScreenSize expected = RequestedScreen();
    ASSERT_GT(expected.nWidth, 0) << "BREVANTO_SCREEN is not set";
    EXPECT_EQ(expected.nWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(expected.nHeight, GetSystemMetrics(SM_CYSCREEN));
}
