#include "skin/SkinNumbers.h"

#include "device/SkinGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

struct NumberCase { const char* psz; int nExpected; };

class SkinNumberParsing : public testing::TestWithParam<NumberCase> {};

// The device stand-in reads the skin files with its own parser, which must agree.
TEST_P(SkinNumberParsing, ReadsLikeAtoi)
{
    const char* psz = GetParam().psz;
    EXPECT_EQ(GetParam().nExpected, ParseSkinNumber(psz)) << (psz != nullptr ? psz : "(null)");
    if (psz != nullptr)
    {
        EXPECT_EQ(GetParam().nExpected, ParseSkinInteger(psz)) << psz << " on the device";
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SkinNumberParsing, testing::Values(
    NumberCase{"240", 240}, NumberCase{"-5", -5}, NumberCase{"+17", 17}, NumberCase{"0", 0},
    NumberCase{"  \t\r\n\v\f42", 42}, NumberCase{"12px", 12}, NumberCase{"3.9", 3},
    NumberCase{"007", 7}, NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"-", 0},
    NumberCase{"+-3", 0}, NumberCase{"- 3", 0}, NumberCase{"0x1F", 0}, NumberCase{nullptr, 0},
    NumberCase{"2147483647", INT_MAX}, NumberCase{"-2147483648", INT_MIN},
    NumberCase{"2147483648", INT_MAX}, NumberCase{"-2147483649", INT_MIN},
    NumberCase{"99999999999", INT_MAX}, NumberCase{"-99999999999", INT_MIN},
    NumberCase{"99999999999999999999999999999999999999", INT_MAX}));

struct MatchCase { std::vector<int> heights; int nShortSide; int nExpected; };

class ResolutionMatching : public testing::TestWithParam<MatchCase> {};

TEST_P(ResolutionMatching, PicksExactElseLargestSmaller)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(c.nExpected, MatchResolution(c.heights.data(), c.heights.size(), c.nShortSide))
        << "short side " << c.nShortSide << " with " << testing::PrintToString(c.heights);
}

INSTANTIATE_TEST_SUITE_P(Table, ResolutionMatching, testing::Values(
    MatchCase{{240, 480}, 480, 1}, MatchCase{{240, 480}, 240, 0}, MatchCase{{240, 480}, 320, 0},
    MatchCase{{240, 480}, 200, -1}, MatchCase{{480, 240}, 320, 1}, MatchCase{{480, 240}, 800, 0},
    MatchCase{{240, 240}, 240, 0}, MatchCase{{200, 240, 240}, 320, 1},
    MatchCase{{200, 240, 240}, 240, 1}, MatchCase{{100, 300, 200}, 320, 1},
    MatchCase{{0, -5}, 320, -1}, MatchCase{{0, 0}, 240, -1}, MatchCase{{}, 240, -1},
    MatchCase{{INT_MAX, INT_MIN, 1}, 240, 2}, MatchCase{{239, 480, 240}, 240, 2}));

TEST(ResolutionMatching, NullTableMatchesNothing)
{
    EXPECT_EQ(-1, MatchResolution(nullptr, 3, 240));
}

}  // namespace
