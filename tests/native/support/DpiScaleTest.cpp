#include "support/DpiScale.h"

#include <gtest/gtest.h>

namespace {

struct ScaleCase { int nLength; int nDpi; int nExpected; };

class DpiScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(DpiScaleTest, RoundsHalfAwayFromZero)
{
    const ScaleCase& c = GetParam();
    EXPECT_EQ(c.nExpected, ScaleLength(c.nLength, c.nDpi)) << c.nLength << " at " << c.nDpi << " DPI";
}

INSTANTIATE_TEST_SUITE_P(Table, DpiScaleTest, testing::Values(
    ScaleCase{16, 96, 16}, ScaleCase{16, 110, 18}, ScaleCase{16, 128, 21}, ScaleCase{16, 192, 32},
    ScaleCase{26, 96, 26}, ScaleCase{26, 110, 30}, ScaleCase{26, 128, 35}, ScaleCase{26, 192, 52},
    ScaleCase{-12, 96, -12}, ScaleCase{-12, 110, -14}, ScaleCase{-12, 192, -24},
    ScaleCase{0, 192, 0}, ScaleCase{1, 48, 1}, ScaleCase{-1, 48, -1},
    // Just under a half rounds toward zero, on both sides.
    ScaleCase{47, 1, 0}, ScaleCase{-47, 1, 0},
    ScaleCase{2147483647, 96, 2147483647}, ScaleCase{-2147483647, 96, -2147483647}));

}  // namespace
