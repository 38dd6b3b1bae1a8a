#pragma once
#include <windows.h>

#include "ShellEvents.h"

// A strip of the shell along an edge of the screen (the taskbar, the menu bar):
// a topmost popup that never takes the activation, so the application below keeps
// the focus. Each strip paints itself and handles the messages it cares about.
class CShellStrip
{
public:
    virtual ~CShellStrip() = default;

    bool Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc, const wchar_t* pszClass,
                const wchar_t* pszTitle);
    void Move(const RECT& rc);
    HWND Window() const { return m_hwnd; }

protected:
    virtual void OnPaint() = 0;
    // Messages beyond painting and activation; returns false to leave one to the default.
    virtual bool OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) = 0;

    HWND m_hwnd = nullptr;
    IShellEvents* m_pEvents = nullptr;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};
