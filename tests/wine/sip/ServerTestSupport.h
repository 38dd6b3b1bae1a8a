#pragma once
#include <windows.h>

#include <string>

// The folder of the test program, where Keyboard.dll and the skins sit.
std::wstring KeyboardDllFolder();

// The full path of the Keyboard.dll built next to the test program.
std::wstring KeyboardDllPath();

// Runs Wine's regsvr32 silently on the module; its exit code, or ~0u when it could not start.
DWORD RunRegsvr32(const std::wstring& module, bool bUnregister);

// The bar bitmap's height the screen class calls for: 108 on VGA-class screens, else 54.
int ExpectedBarHeight();

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
