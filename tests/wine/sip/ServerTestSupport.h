#pragma once
#include <windows.h>

#include <string>

// The full path of the Keyboard.dll built next to the test program.
std::wstring KeyboardDllPath();

// A borderless top-level window standing in for the SIP manager's SIP window.
class CTestSipWindow
{
public:
    CTestSipWindow();
    ~CTestSipWindow();
    CTestSipWindow(const CTestSipWindow&) = delete;
    CTestSipWindow& operator=(const CTestSipWindow&) = delete;
    HWND Get() const { return m_hwnd; }

private:
    HWND m_hwnd;
};
