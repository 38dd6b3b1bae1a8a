#pragma once
#include "BenchStats.h"

#include <string>
#include <vector>

// One line of the benchmark table: a figure and the floor it is compared with,
// both measured in the same run.
struct BenchRow
{
    std::string measurement;
    SampleSummary figure;       // in the row's unit
    std::string floor;          // what the floor is
    SampleSummary floorFigure;  // in the row's unit
    std::string failure;        // why the figure could not be had; empty when it was
    std::string unit = "ms";    // of both figures; "MB" for memory
    std::string goal;           // the ratio aimed at, as printed ("0.5"); empty when none
};

// A figure with about three significant digits: 0.474, 2.01, 33.1, 10012.
std::string FormatMs(double dMs);

// The figure's median over the floor's; "n/a" without a positive floor.
std::string FormatRatio(const SampleSummary& figure, const SampleSummary& floor);

// The table as Markdown, columns padded so that it reads as well in a terminal:
// measurement, figure (median, and the minimum in brackets when there were
// several rounds), floor, its figure, ratio, and the goal ("≤ 0.5") when there is one.
std::string FormatBenchTable(const std::vector<BenchRow>& rows);
