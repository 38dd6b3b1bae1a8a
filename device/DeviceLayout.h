#pragma once
#include <windows.h>

// The fixed parts of the device screen: the taskbar along the top and the menu
// bar along the bottom, each ScaleByDpi(26) pixels high, and between them the
// area of the foreground application down to the top of the input panel.

struct DeviceLayout
{
    int nScreenWidth;
    int nScreenHeight;
    int nBarHeight;          // taskbar and menu bar
    RECT rcTaskbar;
    RECT rcMenuBar;
};

// The vertical DPI of the screen.
int GetScreenDpi();
// A 96-DPI length at the screen's DPI.
int ScaleToScreen(int nLength);
// The layout for the current screen size.
DeviceLayout ComputeDeviceLayout();
// The application area for a visible desktop as the input method reports it.
RECT ApplicationArea(const DeviceLayout& layout, const RECT& rcVisibleDesktop);
