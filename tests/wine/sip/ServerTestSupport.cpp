#include "sip/ServerTestSupport.h"

#include "support/DisplayMetrics.h"

#include <vector>

std::wstring KeyboardDllFolder()
{
    WCHAR szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath);
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring KeyboardDllPath()
{
    return KeyboardDllFolder() + L"\\Keyboard.dll";
}

DWORD RunRegsvr32(const std::wstring& module, bool bUnregister)
{
    WCHAR szSystem[MAX_PATH] = {};
    GetSystemDirectoryW(szSystem, MAX_PATH);
    const std::wstring program = std::wstring(szSystem) + L"\\regsvr32.exe";
    std::wstring commandLine = L"regsvr32.exe /s ";
    if (bUnregister)
        commandLine += L"/u ";
    commandLine += L"\"" + module + L"\"";
    std::vector<WCHAR> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');

    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return ~0u;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD dwExit = ~0u;
    GetExitCodeProcess(pi.hProcess, &dwExit);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return dwExit;
}

int ExpectedBarHeight()
{
    return GetResolutionClass() == ResolutionClass::Vga ? 108 : 54;
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
