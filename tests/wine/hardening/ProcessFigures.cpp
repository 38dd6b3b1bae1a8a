#include "ProcessFigures.h"

#include "faults/FaultInjector.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const char* const g_apszFigures[] = {"GDI objects + DCs", "windows", "menus", "private memory"};
const SIZE_T g_anAllowed[] = {0, 0, 0, 8u << 20};
constexpr size_t kGdi = 0, kMemory = 3;

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

std::array<SIZE_T, 4> Measure()
{
    SIZE_T nWindows = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&nWindows));
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    // Wine leaves PrivateUsage at 0; its commit charge is the same figure there.
    const SIZE_T cbPrivate = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return {Faults::HeldGdiObjects().size(), nWindows, static_cast<SIZE_T>(Faults::HeldMenus()),
            cbPrivate};
}

std::string Shown(size_t nFigure, SIZE_T n)
{
    if (nFigure != kMemory)
        return std::to_string(n);
    char sz[32];
    std::snprintf(sz, sizeof sz, "%.1f MB", static_cast<double>(n) / 1048576.0);
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
    m_startObjects = Faults::HeldGdiObjects();
    m_start = m_peak = Measure();
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
    const Figures end = Measure();
    for (const std::string& line : lines)
        std::printf("[ %-8s ] %s\n", pszTag, line.c_str());
    std::printf("[ %-8s ] %-20s %10s %10s %10s %10s\n", pszTag, "", "start", "end", "peak", "allowed");
    for (size_t i = 0; i < end.size(); ++i)
    {
        std::printf("[ %-8s ] %-20s %10s %10s %10s %10s\n", pszTag, g_apszFigures[i], Shown(i, m_start[i]).c_str(),
                    Shown(i, end[i]).c_str(), Shown(i, m_peak[i]).c_str(), ("+" + Shown(i, g_anAllowed[i])).c_str());
        if (end[i] <= m_start[i] + g_anAllowed[i])
            continue;
        std::string left;
        for (void* hObject : Faults::HeldGdiObjects())
        {
            if (i == kGdi && std::find(m_startObjects.begin(), m_startObjects.end(), hObject) == m_startObjects.end())
                left += " " + Describe(hObject) + ";";
        }
        ADD_FAILURE() << g_apszFigures[i] << " went from " << Shown(i, m_start[i]) << " to " << Shown(i, end[i])
                      << (left.empty() ? "" : "; made since the start and still there:" + left);
    }
    std::fflush(stdout);
}
