#pragma once
#include <cstddef>
#include <functional>
#include <vector>

// What the rounds of one measurement come to. The median is the figure to
// compare; the minimum is what the machine gave at its least disturbed.
struct SampleSummary
{
    double dMedian = 0;
    double dMin = 0;
    std::size_t nCount = 0;
};

// The median (the mean of the middle two for an even count) and the minimum;
// all zero for no samples.
SampleSummary Summarize(std::vector<double> samples);

// One round of a measurement: it runs its work and returns milliseconds.
using TimedRound = std::function<double()>;

// Runs every measurement once per round, in turn, for nRounds rounds, so that
// a busy moment of a shared machine weighs on all of them alike rather than on
// whichever ran then. One summary per measurement, in the order given.
std::vector<SampleSummary> MeasureInTurn(int nRounds, const std::vector<TimedRound>& measurements);
