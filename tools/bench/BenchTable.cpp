#include "BenchTable.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::size_t kColumns = 6;
using Cells = std::array<std::string, kColumns>;
// Figures are right-aligned, names left-aligned.
constexpr std::array<bool, kColumns> kRightAligned = {false, true, false, true, true, true};

std::string Printed(const char* pszFormat, double dValue)
{
    char szText[64];
    std::snprintf(szText, sizeof szText, pszFormat, dValue);
    return szText;
}

std::string FormatFigure(const SampleSummary& summary, const std::string& unit)
{
    if (summary.nCount == 0)
        return "-";
    std::string text = FormatMs(summary.dMedian) + " " + unit;
    if (summary.nCount > 1)
        text += " (" + FormatMs(summary.dMin) + ")";
    return text;
}

Cells CellsOf(const BenchRow& row)
{
    if (!row.failure.empty())
        return {row.measurement, "not measured: " + row.failure, "", "", "", ""};
    return {row.measurement, FormatFigure(row.figure, row.unit), row.floor, FormatFigure(row.floorFigure, row.unit),
            FormatRatio(row.figure, row.floorFigure), row.goal.empty() ? "" : "<= " + row.goal};
}

std::string Line(const Cells& cells, const std::array<std::size_t, kColumns>& widths)
{
    std::string line = "|";
    for (std::size_t i = 0; i < kColumns; ++i)
    {
        const std::string padding(widths[i] - cells[i].size(), ' ');
        line += " " + (kRightAligned[i] ? padding + cells[i] : cells[i] + padding) + " |";
    }
    return line + "\n";
}

}  // namespace

std::string FormatMs(double dMs)
{
    if (dMs >= 99.95)
        return Printed("%.0f", dMs);
    if (dMs >= 9.995)
        return Printed("%.1f", dMs);
    if (dMs >= 0.9995)
        return Printed("%.2f", dMs);
    return Printed("%.3f", dMs);
}

std::string FormatRatio(const SampleSummary& figure, const SampleSummary& floor)
{
    if (figure.nCount == 0 || floor.nCount == 0 || !(floor.dMedian > 0))
        return "n/a";
    const double dRatio = figure.dMedian / floor.dMedian;
    if (dRatio >= 99.95)
        return Printed("%.0f", dRatio);
    if (dRatio >= 9.995)
        return Printed("%.1f", dRatio);
    return Printed("%.2f", dRatio);
}

std::string FormatBenchTable(const std::vector<BenchRow>& rows)
{
    std::vector<Cells> lines = {{"measurement", "median (min)", "floor", "floor median (min)", "ratio", "goal"}};
    for (const BenchRow& row : rows)
        lines.push_back(CellsOf(row));

    std::array<std::size_t, kColumns> widths{};
    for (const Cells& cells : lines)
    {
        for (std::size_t i = 0; i < kColumns; ++i)
            widths[i] = std::max({widths[i], cells[i].size(), std::size_t{3}});
    }
    Cells rule;
    for (std::size_t i = 0; i < kColumns; ++i)
        rule[i] = kRightAligned[i] ? std::string(widths[i] - 1, '-') + ":" : std::string(widths[i], '-');

    std::string table = Line(lines.front(), widths) + Line(rule, widths);
    for (std::size_t i = 1; i < lines.size(); ++i)
        table += Line(lines[i], widths);
    return table;
}
