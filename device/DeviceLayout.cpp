#include "DeviceLayout.h"

#include <algorithm>

int GetScreenDpi()
{
    HDC hdc = GetDC(nullptr);
    const int nDpi = hdc != nullptr ? GetDeviceCaps(hdc, LOGPIXELSY) : 96;
    if (hdc != nullptr)
        ReleaseDC(nullptr, hdc);
    return nDpi > 0 ? nDpi : 96;
}

int ScaleToScreen(int nLength)
{
    return (nLength * GetScreenDpi() + 48) / 96;
}

DeviceLayout ComputeDeviceLayout()
{
    DeviceLayout layout{};
    layout.nScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    layout.nScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    layout.nBarHeight = ScaleToScreen(26);
    layout.rcTaskbar = RECT{0, 0, layout.nScreenWidth, layout.nBarHeight};
    layout.rcMenuBar = RECT{0, layout.nScreenHeight - layout.nBarHeight, layout.nScreenWidth, layout.nScreenHeight};
    return layout;
}

RECT ApplicationArea(const DeviceLayout& layout, const RECT& rcVisibleDesktop)
{
    // The visible desktop counts from the top of the screen; applications start below the taskbar.
    RECT rc = rcVisibleDesktop;
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        rc = RECT{0, 0, layout.nScreenWidth, layout.rcMenuBar.top};
    rc.top = std::max<LONG>(rc.top, layout.rcTaskbar.bottom);
    rc.bottom = std::max<LONG>(rc.bottom, rc.top);
    return rc;
}
