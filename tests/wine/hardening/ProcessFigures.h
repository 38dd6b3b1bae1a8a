#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

// BREVANTO_SOAK=full asks for the long form of the soak; the suite runs its short form.
bool IsFullSoak();

// What a long-running process must give back, tracked from a start (after a first round
// of everything) to an end, with the highest seen in between: GDI objects and DCs (counted
// through the import table, see faults/FaultInjector.h), the windows of this thread and the menus it
// loaded, none of which may stay; and its private memory, of which the heap may keep 8 MB.
class CFigureTrack
{
public:
    void Start();
    void Sample();

    // Prints the run's own lines and a table of start, end, peak and allowance, and fails
    // the test for each figure that ends beyond its start plus its allowance.
    void End(const char* pszTag, const std::vector<std::string>& lines);

private:
    using Figures = std::array<SIZE_T, 4>;

    std::vector<void*> m_startObjects;
    Figures m_start{};
    Figures m_peak{};
};
