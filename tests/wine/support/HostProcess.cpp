#include "support/HostProcess.h"

#include "device/harness/ChildProcess.h"

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
    return RunProgram(L"\"" + path + L"\" " + arguments, TestProgramFolder(), pdwProcessId);
}
