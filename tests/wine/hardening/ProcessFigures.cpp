#include "ProcessFigures.h"

#include "GdiCounter.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

BOOL CALLBACK CountChildWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lParam)
{
    ++*reinterpret_cast<long*>(lParam);
    EnumChildWindows(hwnd, CountChildWindow, lParam);
    return TRUE;
}

long ThreadWindows()
{
    long n = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Wine leaves PrivateUsage at 0; its commit charge is the same figure there.
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

double Megabytes(SIZE_T cb)
{
    return static_cast<double>(cb) / 1048576.0;
}

}  // namespace

bool IsFullSoak()
{
    const char* psz = std::getenv("BREVANTO_SOAK");
    return psz != nullptr && std::string(psz) == "full";
}

ProcessFigures MeasureProcess()
{
    return {CGdiCounter::Live(), ThreadWindows(), CGdiCounter::LiveMenus(), PrivateBytes()};
}

void CFigureTrack::Start()
{
    m_startObjects = CGdiCounter::LiveObjects();
    m_start = MeasureProcess();
    m_peak = m_start;
    m_end = m_start;
}

void CFigureTrack::Sample()
{
    Raise(MeasureProcess());
}

void CFigureTrack::End()
{
    m_end = MeasureProcess();
    Raise(m_end);
}

void CFigureTrack::Raise(const ProcessFigures& figures)
{
    m_peak.nGdi = std::max(m_peak.nGdi, figures.nGdi);
    m_peak.nWindows = std::max(m_peak.nWindows, figures.nWindows);
    m_peak.nMenus = std::max(m_peak.nMenus, figures.nMenus);
    m_peak.cbPrivate = std::max(m_peak.cbPrivate, figures.cbPrivate);
}

std::vector<std::string> CFigureTrack::Excesses(const FigureAllowance& allowance) const
{
    std::vector<std::string> excesses;
    auto count = [&](const char* pszWhat, long nStart, long nEnd, long nAllowed) {
        if (nEnd > nStart + nAllowed)
            excesses.push_back(std::string(pszWhat) + " went from " + std::to_string(nStart) + " to " +
                               std::to_string(nEnd) + " (allowed " + std::to_string(nAllowed) + " more)");
    };
    count("GDI objects and DCs", m_start.nGdi, m_end.nGdi, allowance.nGdi);
    if (!excesses.empty() && m_end.nGdi > m_start.nGdi + allowance.nGdi)
    {
        std::string left = "made since the start and still there:";
        for (void* hObject : CGdiCounter::LiveObjects())
        {
            if (std::find(m_startObjects.begin(), m_startObjects.end(), hObject) == m_startObjects.end())
                left += " " + CGdiCounter::Describe(hObject) + ";";
        }
        excesses.push_back(left);
    }
    count("windows", m_start.nWindows, m_end.nWindows, allowance.nWindows);
    count("menus", m_start.nMenus, m_end.nMenus, allowance.nMenus);
    if (m_end.cbPrivate > m_start.cbPrivate + allowance.cbPrivate)
    {
        char sz[160];
        std::snprintf(sz, sizeof sz, "private memory went from %.1f MB to %.1f MB (allowed %.1f MB more)",
                      Megabytes(m_start.cbPrivate), Megabytes(m_end.cbPrivate), Megabytes(allowance.cbPrivate));
        excesses.push_back(sz);
    }
    return excesses;
}

void CFigureTrack::Print(const char* pszTag, const std::vector<std::string>& lines,
                         const FigureAllowance& allowance) const
{
    for (const std::string& line : lines)
        std::printf("[ %-8s ] %s\n", pszTag, line.c_str());
    std::printf("[ %-8s ] %-20s %10s %10s %10s %10s\n", pszTag, "", "start", "end", "peak", "allowed");
    auto row = [&](const char* pszWhat, long nStart, long nEnd, long nPeak, long nAllowed) {
        std::printf("[ %-8s ] %-20s %10ld %10ld %10ld %+10ld\n", pszTag, pszWhat, nStart, nEnd, nPeak, nAllowed);
    };
    row("GDI objects + DCs", m_start.nGdi, m_end.nGdi, m_peak.nGdi, allowance.nGdi);
    row("windows", m_start.nWindows, m_end.nWindows, m_peak.nWindows, allowance.nWindows);
    row("menus", m_start.nMenus, m_end.nMenus, m_peak.nMenus, allowance.nMenus);
    std::printf("[ %-8s ] %-20s %7.1f MB %7.1f MB %7.1f MB %+7.1f MB\n", pszTag, "private memory",
                Megabytes(m_start.cbPrivate), Megabytes(m_end.cbPrivate), Megabytes(m_peak.cbPrivate),
                Megabytes(allowance.cbPrivate));
    std::fflush(stdout);
}
