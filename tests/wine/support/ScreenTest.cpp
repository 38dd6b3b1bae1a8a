#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The runner promises a screen of the size and depth it names; every other test relies on it.
TEST(Screen, MatchesTheSizeAndDepthTheRunnerAskedFor)
{
    const ScreenSize expected = RequestedScreen();
    ASSERT_GT(expected.nWidth, 0) << "BREVANTO_SCREEN is not set";
    EXPECT_EQ(expected.nWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(expected.nHeight, GetSystemMetrics(SM_CYSCREEN));
    // GDI shows an X screen of depth 24 as 32 bits a pixel.
    const char* pszDepth = std::getenv("BREVANTO_DEPTH");
    EXPECT_EQ(pszDepth != nullptr && std::atoi(pszDepth) == 16 ? 16 : 32, ScreenDepth());
}
