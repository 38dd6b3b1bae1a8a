#include "support/HostProcess.h"

std::wstring TestProgramFolder()
{
    WCHAR szPath[MAX_PATH];
    const DWORD cch = GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring path(szPath, cch);
    return path.substr(0, path.rfind(L'\\'));
}

namespace {

bool StartHost(const std::wstring& program, const std::wstring& arguments, DWORD dwFlags, PROCESS_INFORMATION& pi)
{
    const std::wstring path = TestProgramFolder() + L"\\" + program;
    std::wstring commandLine = L"\"" + path + L"\" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    return CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, dwFlags, nullptr,
                          TestProgramFolder().c_str(), &si, &pi) != FALSE;
}

}  // namespace

int RunHost(const std::wstring& program, const std::wstring& arguments, DWORD* pdwProcessId)
{
    PROCESS_INFORMATION pi = {};
    if (!StartHost(program, arguments, 0, pi))
        return -1;
    if (pdwProcessId != nullptr)
        *pdwProcessId = pi.dwProcessId;
    int nResult = -1;
    if (WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0)
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

bool RunHostCollectingDebugOutput(const std::wstring& program, std::vector<std::string>& output)
{
    output.clear();
    PROCESS_INFORMATION pi = {};
    if (!StartHost(program, L"", DEBUG_ONLY_THIS_PROCESS, pi))
        return false;
    bool bExited = false;
    const DWORD dwDeadline = GetTickCount() + 20000;
    while (!bExited && static_cast<LONG>(dwDeadline - GetTickCount()) > 0)
    {
        DEBUG_EVENT event = {};
        if (!WaitForDebugEvent(&event, 1000))
            continue;
        DWORD dwContinue = DBG_CONTINUE;
        switch (event.dwDebugEventCode)
        {
        case OUTPUT_DEBUG_STRING_EVENT:
        {
            const OUTPUT_DEBUG_STRING_INFO& info = event.u.DebugString;
            std::string text;
            if (info.fUnicode)
            {
                std::wstring wide(info.nDebugStringLength, L'\0');
                SIZE_T cbRead = 0;
                ReadProcessMemory(pi.hProcess, info.lpDebugStringData, &wide[0], wide.size() * sizeof(WCHAR), &cbRead);
                wide.resize(wcsnlen(wide.c_str(), cbRead / sizeof(WCHAR)));
                text.assign(wide.begin(), wide.end());
            }
            else
            {
                text.assign(info.nDebugStringLength, '\0');
                SIZE_T cbRead = 0;
                ReadProcessMemory(pi.hProcess, info.lpDebugStringData, &text[0], text.size(), &cbRead);
                text.resize(strnlen(text.c_str(), cbRead));
            }
            output.push_back(text);
            break;
        }
        case EXCEPTION_DEBUG_EVENT:
            // The loader's breakpoint is ours to swallow; anything else belongs to the program.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                dwContinue = DBG_EXCEPTION_NOT_HANDLED;
            break;
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile != nullptr)
                CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile != nullptr)
                CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            bExited = true;
            break;
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, dwContinue);
    }
    if (!bExited)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return bExited;
}

bool ReadSharedFile(const std::wstring& path, std::string& content)
{
    content.clear();
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    char buffer[4096];
    DWORD cbRead = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &cbRead, nullptr) && cbRead > 0)
        content.append(buffer, cbRead);
    CloseHandle(h);
    return true;
}
