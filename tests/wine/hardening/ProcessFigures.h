#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What a long-running process must give back: GDI objects and DCs (counted through
// the import table, see GdiCounter.h), the USER objects it holds (the windows of this
// thread and the menus it loaded), and its private memory.
struct ProcessFigures
{
    long nGdi;
    long nWindows;
    long nMenus;
    SIZE_T cbPrivate;
};

ProcessFigures MeasureProcess();

// BREVANTO_SOAK=full asks for the long forms of the soak and of the broken skins
// taken through the options dialog; the suite runs their short forms.
bool IsFullSoak();

// How far the end may lie above the start, once a first round of everything has
// run: the GDI objects counted are only those this program makes, and windows and
// menus must all be gone; the heap may keep some memory.
struct FigureAllowance
{
    long nGdi = 0;
    long nWindows = 0;
    long nMenus = 0;
    SIZE_T cbPrivate = 8u << 20;
};

// The figures at the start and end of a run and the highest seen in between.
class CFigureTrack
{
public:
    void Start();
    void Sample();
    void End();

    const ProcessFigures& StartFigures() const { return m_start; }
    const ProcessFigures& EndFigures() const { return m_end; }
    const ProcessFigures& PeakFigures() const { return m_peak; }

    // Each figure whose end lies beyond its start plus the allowance, in words (with the
    // GDI objects made since the start and still there); empty when none does.
    std::vector<std::string> Excesses(const FigureAllowance& allowance) const;

    // One block: the run's own lines, then start, end, peak and allowance of each figure.
    void Print(const char* pszTag, const std::vector<std::string>& lines, const FigureAllowance& allowance) const;

private:
    void Raise(const ProcessFigures& figures);

    std::vector<void*> m_startObjects;
    ProcessFigures m_start{};
    ProcessFigures m_end{};
    ProcessFigures m_peak{};
};
