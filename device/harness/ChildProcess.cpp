#include "device/harness/ChildProcess.h"

int RunProgram(std::wstring sCommandLine, const std::wstring& sFolder, DWORD* pdwProcessId)
{
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, &sCommandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        sFolder.empty() ? nullptr : sFolder.c_str(), &si, &pi))
        return -1;
    if (pdwProcessId != nullptr)
        *pdwProcessId = pi.dwProcessId;
    DWORD dwExit = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &dwExit);
    else
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(dwExit);
}
