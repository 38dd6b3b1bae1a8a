#include "support/HostProcess.h"

std::wstring TestProgramFolder()
{
    WCHAR szPath[MAX_PATH];
    const DWORD cch = GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath, cch);
    return path.substr(0, path.rfind(L'\\'));
}

int RunHost(const std::wstring& program, const std::wstring& arguments, DWORD* pdwProcessId)
{
    const bool bInFolder = program.find(L'\\') == std::wstring::npos;
    const std::wstring path = bInFolder ? TestProgramFolder() + L"\\" + program : program;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        TestProgramFolder().c_str(), &si, &pi))
        return -1;
    if (pdwProcessId != nullptr)
        *pdwProcessId = pi.dwProcessId;
    int nResult = -1;
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
    {
        DWORD dwExit = 0;
        GetExitCodeProcess(pi.hProcess, &dwExit);
        nResult = static_cast<int>(dwExit);
    }
    else
    {
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return nResult;
}
