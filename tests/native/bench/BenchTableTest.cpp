#include "BenchTable.h"

#include <gtest/gtest.h>

namespace {

SampleSummary Rounds(double dMedian, double dMin, std::size_t nCount = 15)
{
    SampleSummary summary;
    summary.dMedian = dMedian;
    summary.dMin = dMin;
    summary.nCount = nCount;
    return summary;
}

struct MsCase
{
    double dMs;
    const char* pszText;
};

class FormatMilliseconds : public testing::TestWithParam<MsCase> {};

TEST_P(FormatMilliseconds, KeepsAboutThreeSignificantDigits)
{
    EXPECT_EQ(GetParam().pszText, FormatMs(GetParam().dMs));
}

const MsCase g_aMs[] = {
    {0, "0.000"},      {0.0234, "0.023"}, {0.4744, "0.474"}, {0.99951, "1.00"}, {2.014, "2.01"},
    {9.9996, "10.0"},  {33.06, "33.1"},   {99.96, "100"},    {10012.4, "10012"},
};

INSTANTIATE_TEST_SUITE_P(Values, FormatMilliseconds, testing::ValuesIn(g_aMs));

struct RatioCase
{
    const char* pszName;
    SampleSummary figure;
    SampleSummary floor;
    const char* pszText;
};

class FormatRatios : public testing::TestWithParam<RatioCase> {};

TEST_P(FormatRatios, DividesTheMediansOrSaysThereIsNoFloor)
{
    const RatioCase& c = GetParam();
    EXPECT_EQ(c.pszText, FormatRatio(c.figure, c.floor));
}

const RatioCase g_aRatios[] = {
    {"Small", Rounds(2.0, 1.0), Rounds(0.5, 0.1), "4.00"},
    {"MediansNotMinimums", Rounds(3.0, 0.1), Rounds(2.0, 1.9), "1.50"},
    {"Tens", Rounds(2.014, 2.0), Rounds(0.0227, 0.02), "88.7"},
    {"Hundreds", Rounds(25.0, 25.0), Rounds(0.1, 0.1), "250"},
    {"ZeroFloor", Rounds(2.0, 1.0), Rounds(0, 0), "n/a"},
    {"NoFloorRounds", Rounds(2.0, 1.0), Rounds(1.0, 1.0, 0), "n/a"},
    {"NoFigureRounds", Rounds(2.0, 1.0, 0), Rounds(1.0, 1.0), "n/a"},
    {"NeverMeasured", SampleSummary{}, Rounds(1.0, 1.0), "n/a"},
};

INSTANTIATE_TEST_SUITE_P(Ratios, FormatRatios, testing::ValuesIn(g_aRatios),
                         [](const testing::TestParamInfo<RatioCase>& info) { return info.param.pszName; });

TEST(FormatBenchTable, PadsEveryColumnAndAlignsFiguresRight)
{
    const std::vector<BenchRow> rows = {
        {"skin load", Rounds(33.06, 31.2), "bitmap files", Rounds(11.6, 11.02), "", "ms", "1.5"},
        {"pauses", Rounds(10012.4, 10012.4, 1), "200 x 50 ms", Rounds(10000, 10000, 1)},
        {"opening", {}, "", {}, "no skin", "ms", "1.5"},
        {"skin memory", Rounds(2.46, 2.46, 1), "its pixels", Rounds(2.44, 2.44, 1), "", "MB"},
    };
    EXPECT_EQ("| measurement |          median (min) | floor        | floor median (min) | ratio |   goal |\n"
              "| ----------- | --------------------: | ------------ | -----------------: | ----: | -----: |\n"
              "| skin load   |        33.1 ms (31.2) | bitmap files |     11.6 ms (11.0) |  2.85 | <= 1.5 |\n"
              "| pauses      |              10012 ms | 200 x 50 ms  |           10000 ms |  1.00 |        |\n"
              "| opening     | not measured: no skin |              |                    |       |        |\n"
              "| skin memory |               2.46 MB | its pixels   |            2.44 MB |  1.01 |        |\n",
              FormatBenchTable(rows));
}

}  // namespace
