#pragma once
#include <windows.h>

// Milliseconds from the performance counter.
double NowMs();

// Milliseconds per call over nRepeats calls of the work; GDI's batch is
// flushed before the clock stops, so that queued drawing counts.
template <typename TWork>
double TimePerCall(int nRepeats, TWork&& work)
{
    const double dStart = NowMs();
    for (int i = 0; i < nRepeats; ++i)
        work();
    GdiFlush();
    return (NowMs() - dStart) / nRepeats;
}
