#pragma once
#include <windows.h>

#include "ShellEvents.h"

// The SIP window: the strip above the menu bar that the input method fills
// with its own child window. A tap in it must leave the focus where it is, in
// the application the input method types into.
class CSipWindow
{
public:
    bool Create(HINSTANCE hInstance, IShellEvents* pEvents);
    HWND Window() const { return m_hwnd; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    IShellEvents* m_pEvents = nullptr;
};
