#pragma once

// What the shell's windows report to the device that owns them.
class IShellEvents
{
public:
    virtual void OnScreenTurned() = 0;       // WM_SETTINGCHANGE with SETTINGCHANGE_RESET
    virtual void OnSipButton() = 0;          // the input panel button of the menu bar
    virtual void OnSipWindowActivated() = 0; // something activated the SIP window

protected:
    ~IShellEvents() = default;
};
