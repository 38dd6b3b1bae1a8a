#include "WineTestSupport.h"

#include <cstdio>
#include <cstdlib>

ScreenSize RequestedScreen()
{
    ScreenSize size{0, 0};
    const char* pszScreen = std::getenv("BREVANTO_SCREEN");
    if (pszScreen == nullptr || std::sscanf(pszScreen, "%dx%d", &size.nWidth, &size.nHeight) != 2)
        return ScreenSize{0, 0};
    return size;
}

bool IsScreen(int nWidth, int nHeight)
{
    return GetSystemMetrics(SM_CXSCREEN) == nWidth && GetSystemMetrics(SM_CYSCREEN) == nHeight;
}

void FlushEvents()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
