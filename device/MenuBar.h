#pragma once
#include <windows.h>

#include "ShellEvents.h"

// The menu bar along the bottom of the screen, with the input panel button in
// its middle: a tap shows or hides the input panel. It never takes the focus.
class CMenuBar
{
public:
    bool Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc);
    void Move(const RECT& rc);
    HWND Window() const { return m_hwnd; }
    // The input panel button, in client coordinates.
    RECT SipButtonRect() const;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnLButtonUp(int x, int y);

    HWND m_hwnd = nullptr;
    IShellEvents* m_pEvents = nullptr;
};
