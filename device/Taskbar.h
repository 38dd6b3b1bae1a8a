#pragma once
#include <windows.h>

#include "ShellEvents.h"

// The taskbar along the top of the screen: the Start flag, the title of the
// foreground application and a clock. It is the shell's main window, so the
// broadcast that follows a rotation reaches the device through it. Class
// "HHTaskBar", as the shell functions of the input method expect.
class CTaskbar
{
public:
    bool Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc);
    void Move(const RECT& rc);
    void Refresh();
    HWND Window() const { return m_hwnd; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnSettingChange(WPARAM wParam);

    HWND m_hwnd = nullptr;
    IShellEvents* m_pEvents = nullptr;
};
