#pragma once
#include <windows.h>

#include <string>

// The notes application: a window under the taskbar filled by a multi-line edit
// control that has the focus. It keeps to the visible desktop the input method
// reports, so the text being typed is never under the input panel.
class CNotesApp
{
public:
    bool Create(HINSTANCE hInstance, const RECT& rc);
    void Move(const RECT& rc);
    void Activate();
    std::wstring Text() const;
    HWND Window() const { return m_hwnd; }
    HWND Edit() const { return m_hwndEdit; }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnSize(int nWidth, int nHeight);
    void OnActivate(WORD wState);

    HWND m_hwnd = nullptr;
    HWND m_hwndEdit = nullptr;
    WNDPROC m_pfnEditProc = nullptr;
    HFONT m_hFont = nullptr;   // the stock GUI font, not owned
};
