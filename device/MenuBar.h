#pragma once
#include <windows.h>

#include "ShellStrip.h"

// The menu bar along the bottom of the screen, with the input panel button in
// its middle: a tap shows or hides the input panel. It never takes the focus.
class CMenuBar : public CShellStrip
{
public:
    bool Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc);
    // The input panel button, in client coordinates.
    RECT SipButtonRect() const;

private:
    void OnPaint() override;
    bool OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnLButtonUp(int x, int y);
};
