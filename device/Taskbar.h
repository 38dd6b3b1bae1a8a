#pragma once
#include <windows.h>

#include "ShellStrip.h"

// The taskbar along the top of the screen: the Start flag, the title of the
// foreground application and a clock. It is the shell's main window, so the
// broadcast that follows a rotation reaches the device through it. Class
// "HHTaskBar", as the shell functions of the input method expect.
class CTaskbar : public CShellStrip
{
public:
    bool Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc);
    // The foreground application's title, shown from the next paint on; a literal.
    void ShowTitle(const wchar_t* pszTitle);

private:
    const wchar_t* m_pszTitle = L"Notes";

    void OnPaint() override;
    bool OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnSettingChange(WPARAM wParam);
};
