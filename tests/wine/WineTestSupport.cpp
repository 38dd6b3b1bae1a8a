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

int ScreenDepth()
{
    HDC hdc = GetDC(nullptr);
    const int nDepth = GetDeviceCaps(hdc, BITSPIXEL);
    ReleaseDC(nullptr, hdc);
    return nDepth;
}

COLORREF AsStored(COLORREF cr)
{
    if (ScreenDepth() != 16)
        return cr;
    auto keep = [](BYTE b, int nBits) { return static_cast<BYTE>((b >> (8 - nBits) << (8 - nBits)) | b >> nBits); };
    return RGB(keep(GetRValue(cr), 5), keep(GetGValue(cr), 6), keep(GetBValue(cr), 5));
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
