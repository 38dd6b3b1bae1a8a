#include "sip/ServerTestSupport.h"

#include "support/HostProcess.h"

std::wstring KeyboardDllPath()
{
    return TestProgramFolder() + L"\\Keyboard.dll";
}

CTestSipWindow::CTestSipWindow()
    : m_hwnd(CreateWindowExW(WS_EX_NOACTIVATE, L"Static", L"SIP", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr))
{
    // Like the device's SIP window, it never takes the activation.
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
}

CTestSipWindow::~CTestSipWindow()
{
    if (m_hwnd != nullptr)
        DestroyWindow(m_hwnd);
}
