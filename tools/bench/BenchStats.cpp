#include "BenchStats.h"

#include <algorithm>

SampleSummary Summarize(std::vector<double> samples)
{
    SampleSummary summary;
    summary.nCount = samples.size();
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    const std::size_t nMiddle = samples.size() / 2;
    summary.dMedian = samples.size() % 2 != 0 ? samples[nMiddle] : (samples[nMiddle - 1] + samples[nMiddle]) / 2;
    summary.dMin = samples.front();
    return summary;
}

std::vector<SampleSummary> MeasureInTurn(int nRounds, const std::vector<TimedRound>& measurements)
{
    std::vector<std::vector<double>> samples(measurements.size());
    for (int nRound = 0; nRound < nRounds; ++nRound)
    {
        for (std::size_t i = 0; i < measurements.size(); ++i)
            samples[i].push_back(measurements[i]());
    }
    std::vector<SampleSummary> summaries;
    for (std::vector<double>& values : samples)
        summaries.push_back(Summarize(std::move(values)));
    return summaries;
}
