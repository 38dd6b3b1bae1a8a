#include "ProcessFigures.h"

#include "GdiCounter.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct Figure
{
    const char* pszName;
    SIZE_T nAllowed;
    bool bMegabytes;
};

const Figure g_figures[] = {
    {"GDI objects + DCs", 0, false}, {"windows", 0, false}, {"menus", 0, false}, {"private memory", 8u << 20, true}};

BOOL CALLBACK CountWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<SIZE_T*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND hwnd, LPARAM lParam)
{
    EnumChildWindows(hwnd, CountWindow, lParam);
    return CountWindow(hwnd, lParam);
}

SIZE_T ThreadWindows()
{
    SIZE_T n = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&n));
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

std::array<SIZE_T, 4> Measure()
{
    return {static_cast<SIZE_T>(CGdiCounter::Live()), ThreadWindows(), static_cast<SIZE_T>(CGdiCounter::LiveMenus()),
            PrivateBytes()};
}

std::string Shown(const Figure& figure, SIZE_T n)
{
    char sz[32];
    if (figure.bMegabytes)
        std::snprintf(sz, sizeof sz, "%.1f MB", static_cast<double>(n) / 1048576.0);
    else
        std::snprintf(sz, sizeof sz, "%zu", n);
    return sz;
}

// A GDI object in words, to tell which one a run left behind.
std::string Describe(void* hObject)
{
    BITMAP bm{};
    LOGFONTW lf{};
    if (GetObjectType(hObject) == OBJ_BITMAP && GetObjectW(hObject, sizeof bm, &bm) != 0)
        return "bitmap " + std::to_string(bm.bmWidth) + "x" + std::to_string(bm.bmHeight);
    if (GetObjectType(hObject) == OBJ_FONT && GetObjectW(hObject, sizeof lf, &lf) != 0)
        return "font " + std::to_string(lf.lfHeight) + " escapement " + std::to_string(lf.lfEscapement);
    return "object of kind " + std::to_string(GetObjectType(hObject));  // DC 3, memory DC 10, pen 1, brush 2
}

}  // namespace

bool IsFullSoak()
{
    const char* psz = std::getenv("BREVANTO_SOAK");
    return psz != nullptr && std::string(psz) == "full";
}

void CFigureTrack::Start()
{
    m_startObjects = CGdiCounter::LiveObjects();
    m_start = m_peak = m_end = Measure();
}

void CFigureTrack::Sample()
{
    const Figures now = Measure();
    for (size_t i = 0; i < now.size(); ++i)
        m_peak[i] = std::max(m_peak[i], now[i]);
}

void CFigureTrack::End(const char* pszTag, const std::vector<std::string>& lines)
{
    Sample();
    m_end = Measure();
    for (const std::string& line : lines)
        std::printf("[ %-8s ] %s\n", pszTag, line.c_str());
    std::printf("[ %-8s ] %-20s %10s %10s %10s %10s\n", pszTag, "", "start", "end", "peak", "allowed");
    for (size_t i = 0; i < m_start.size(); ++i)
    {
        const Figure& figure = g_figures[i];
        std::printf("[ %-8s ] %-20s %10s %10s %10s %10s\n", pszTag, figure.pszName, Shown(figure, m_start[i]).c_str(),
                    Shown(figure, m_end[i]).c_str(), Shown(figure, m_peak[i]).c_str(),
                    ("+" + Shown(figure, figure.nAllowed)).c_str());
        if (m_end[i] > m_start[i] + figure.nAllowed)
            ADD_FAILURE() << figure.pszName << " went from " << Shown(figure, m_start[i]) << " to "
                          << Shown(figure, m_end[i]);
    }
    std::fflush(stdout);
    if (m_end[0] > m_start[0])
    {
        std::string left = "made since the start and still there:";
        for (void* hObject : CGdiCounter::LiveObjects())
        {
            if (std::find(m_startObjects.begin(), m_startObjects.end(), hObject) == m_startObjects.end())
                left += " " + Describe(hObject) + ";";
        }
        ADD_FAILURE() << left;
    }
}
