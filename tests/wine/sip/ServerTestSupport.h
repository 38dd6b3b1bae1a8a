#pragma once
#include <windows.h>

#include <string>

// The full path of the Keyboard.dll built next to the test program.
std::wstring KeyboardDllPath();

// Runs Wine's regsvr32 silently on the module; its exit code, or -1 when it could not run.
int RunRegsvr32(const std::wstring& module, bool bUnregister);

// A borderless top-level window standing in for the SIP manager's SIP window.
class CSipWindow
{
public:
    CSipWindow();
    ~CSipWindow();
    CSipWindow(const CSipWindow&) = delete;
    CSipWindow& operator=(const CSipWindow&) = delete;
    HWND Get() const { return m_hwnd; }

private:
    HWND m_hwnd;
};
