#include "sip/ServerTestSupport.h"

#include "support/HostProcess.h"

std::wstring KeyboardDllPath()
{
    return TestProgramFolder() + L"\\Keyboard.dll";
}

int RunRegsvr32(const std::wstring& module, bool bUnregister)
{
    WCHAR szSystem[MAX_PATH] = {};
    GetSystemDirectoryW(szSystem, MAX_PATH);
    return RunHost(std::wstring(szSystem) + L"\\regsvr32.exe", (bUnregister ? L"/s /u \"" : L"/s \"") + module + L"\"");
}

CSipWindow::CSipWindow()
    : m_hwnd(CreateWindowExW(WS_EX_NOACTIVATE, L"Static", L"SIP", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr))
{
    // Like the device's SIP window, it never takes the activation.
    ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
}

CSipWindow::~CSipWindow()
{
    if (m_hwnd != nullptr)
        DestroyWindow(m_hwnd);
}
