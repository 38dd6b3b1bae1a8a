#include "BenchStats.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SummaryCase
{
    const char* pszName;
    std::vector<double> samples;
    double dMedian;
    double dMin;
};

class SummarizeSamples : public testing::TestWithParam<SummaryCase> {};

TEST_P(SummarizeSamples, GivesMedianMinimumAndCount)
{
    const SummaryCase& c = GetParam();
    const SampleSummary summary = Summarize(c.samples);
    EXPECT_DOUBLE_EQ(c.dMedian, summary.dMedian);
    EXPECT_DOUBLE_EQ(c.dMin, summary.dMin);
    EXPECT_EQ(c.samples.size(), summary.nCount);
}

const SummaryCase g_aSummaries[] = {
    {"None", {}, 0, 0},
    {"One", {5}, 5, 5},
    {"OddCountUnsorted", {3, 1, 2}, 2, 1},
    {"EvenCountTakesTheMiddleTwo", {4, 1, 3, 2}, 2.5, 1},
    {"AnOutlierDoesNotMoveIt", {1.0, 1.2, 250.0, 1.1, 0.9}, 1.1, 0.9},
    {"Repeats", {7, 7, 3, 7}, 7, 3},
};

INSTANTIATE_TEST_SUITE_P(Samples, SummarizeSamples, testing::ValuesIn(g_aSummaries),
                         [](const testing::TestParamInfo<SummaryCase>& info) { return info.param.pszName; });

TEST(MeasureInTurn, RunsEachRoundOfEachInTurnAndSummarizesEachApart)
{
    std::string order;
    double dA = 0, dB = 100;
    const std::vector<SampleSummary> summaries = MeasureInTurn(3, {
        [&] { order += "a"; return dA += 1; },
        [&] { order += "b"; return dB -= 10; },
    });
    EXPECT_EQ("ababab", order);
    ASSERT_EQ(2u, summaries.size());
    EXPECT_DOUBLE_EQ(2, summaries[0].dMedian);   // 1, 2, 3
    EXPECT_DOUBLE_EQ(1, summaries[0].dMin);
    EXPECT_EQ(3u, summaries[0].nCount);
    EXPECT_DOUBLE_EQ(80, summaries[1].dMedian);  // 90, 80, 70
    EXPECT_DOUBLE_EQ(70, summaries[1].dMin);

    const std::vector<SampleSummary> none = MeasureInTurn(0, {[&] { order += "c"; return 0.0; }});
    EXPECT_EQ("ababab", order) << "no rounds run nothing";
    ASSERT_EQ(1u, none.size());
    EXPECT_EQ(0u, none[0].nCount);
}

}  // namespace
