// Options.dat through power failures: a save is cut short at each of its file-system
// calls in turn (the process ends at once, before the call), a new process then starts
// as the keyboard does, and the settings file and the settings read must be the old ones
// or the new ones, whole, with nothing left over.
//
//   PowerCutHost.exe run        plays every cut in a folder "powercut" beside itself;
//                               prints one line per failure, exits 1 when there was one
//   PowerCutHost.exe save K     (in that folder) starts, then saves new settings, ending
//                               the process before the K-th file-system call of the two
//                               (0: never);
//                               writes the number of calls to "calls.txt"
//   PowerCutHost.exe save-old   (in that folder) saves the old settings, uncut
//   PowerCutHost.exe read       (in that folder) starts and writes what it read to "read.txt"

#include "settings/Settings.h"
#include "support/ModuleInstance.h"

#include "faults/ImportRedirect.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace
{

constexpr UINT kCutExitCode = 77;

// The settings a user had, and those the save writes.
struct Choice
{
    DWORD dwHabit;
    const wchar_t* pszSkin;
    bool bAccents;
    const char* pszRead;  // as SettingsRead gives them
};
const Choice kOld = {0, L"French.xml", false, "0 French.xml off"};
const Choice kNew = {1, L"Midnight.xml", true, "1 Midnight.xml on"};
constexpr char kDefaultsRead[] = "1 Silver.xml on";

// The file-system calls counted, and cut before.
long g_nCalls = 0;
long g_nCutAt = 0;

template <int N>
void* g_pfnReal = nullptr;

void BeforeCall()
{
    if (++g_nCalls == g_nCutAt)
        TerminateProcess(GetCurrentProcess(), kCutExitCode);
}

template <int N, typename R, typename... A>
R WINAPI Counted(A... a)
{
    BeforeCall();
    return reinterpret_cast<R(WINAPI*)(A...)>(g_pfnReal<N>)(a...);
}

template <int N, typename R, typename... A>
ImportRedirect Redirect(const char* pszName, R(WINAPI*)(A...))
{
    return {pszName, reinterpret_cast<void*>(&Counted<N, R, A...>), &g_pfnReal<N>};
}

void CutFileCalls(long nCutAt)
{
    g_nCutAt = nCutAt;
    const ImportRedirect aRedirects[] = {
        Redirect<0>("CreateFileW", &CreateFileW),           Redirect<1>("ReadFile", &ReadFile),
        Redirect<2>("WriteFile", &WriteFile),               Redirect<3>("FlushFileBuffers", &FlushFileBuffers),
        Redirect<4>("CloseHandle", &CloseHandle),           Redirect<5>("DeleteFileW", &DeleteFileW),
        Redirect<6>("MoveFileW", &MoveFileW),               Redirect<7>("GetFileAttributesW", &GetFileAttributesW),
        Redirect<8>("FindFirstFileW", &FindFirstFileW),     Redirect<9>("GetFileTime", &GetFileTime),
        Redirect<10>("SetFileTime", &SetFileTime),
    };
    RedirectImports(GetModuleHandleW(nullptr), aRedirects, std::size(aRedirects));
}

std::wstring FolderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring OwnPath()
{
    WCHAR szPath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    return szPath;
}

std::string ReadAll(const std::wstring& path)
{
    std::string bytes;
    const HANDLE hFile = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[512];
    DWORD cb = 0;
    while (ReadFile(hFile, buffer, sizeof buffer, &cb, nullptr) && cb > 0)
        bytes.append(buffer, cb);
    CloseHandle(hFile);
    return bytes;
}

void WriteAll(const std::wstring& path, const std::string& bytes)
{
    const HANDLE hFile = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD cb = 0;
    WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &cb, nullptr);
    CloseHandle(hFile);
}

std::string Narrow(const wchar_t* psz)
{
    std::string text;
    for (; *psz != L'\0'; ++psz)
        text += *psz < 0x80 ? static_cast<char>(*psz) : '?';
    return text;
}

// The settings in memory, as "habit skin accents".
std::string SettingsRead()
{
    WCHAR szSkin[MAX_PATH];
    GetSkinFile(szSkin);
    return std::to_string(GetHabit()) + " " + Narrow(szSkin) + " " + (GetAccentsOnLongPress() ? "on" : "off");
}

void Choose(const Choice& choice)
{
    SetHabit(choice.dwHabit);
    SetSkinFile(choice.pszSkin);
    SetAccentsOnLongPress(choice.bAccents);
}

int Save(long nCutAt, const Choice& choice)
{
    CutFileCalls(nCutAt);
    LoadOptions();
    Choose(choice);
    SaveOptions();
    const long nCalls = g_nCalls;
    g_nCutAt = 0;
    WriteAll(FolderOf(OwnPath()) + L"\\calls.txt", std::to_string(nCalls));
    return 0;
}

int Read()
{
    LoadOptions();
    WriteAll(FolderOf(OwnPath()) + L"\\read.txt", SettingsRead());
    return 0;
}

// Runs this program's copy in the folder with the arguments; its exit code, or -1.
int RunChild(const std::wstring& program, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        FolderOf(program).c_str(), &startup, &process))
        return -1;
    DWORD dwExit = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &dwExit);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(dwExit);
}

struct Start
{
    const char* pszWhat;
    bool bOldFile;      // Options.dat holds the old settings before the save; else there is none
    const char* pszBefore;  // the settings read when the save did not happen
};

const Start kStarts[] = {
    {"a save over the old settings", true, kOld.pszRead},
    {"the first start, which writes the defaults, then a save", false, kDefaultsRead},
};

class CPowerCutRun
{
public:
    explicit CPowerCutRun(const std::wstring& folder) : m_folder(folder), m_program(folder + L"\\PowerCutHost.exe") {}

    bool Prepare()
    {
        CreateDirectoryW(m_folder.c_str(), nullptr);
        return CopyFileW(OwnPath().c_str(), m_program.c_str(), FALSE) != FALSE;
    }

    // Every cut of one start; the number of failures.
    int Play(const Start& start)
    {
        Reset(start);
        if (RunChild(m_program, L"save 0") != 0)
            return Fail(start, 0, "the uncut save did not run");
        const std::string after = ReadBack();
        const long nCalls = std::atol(ReadAll(m_folder + L"\\calls.txt").c_str());
        if (after != kNew.pszRead || nCalls <= 0)
            return Fail(start, 0, "the uncut save gives \"" + after + "\" after " + std::to_string(nCalls) + " calls");
        int nFailures = 0;
        bool bNewSeen = false;
        for (long k = 1; k <= nCalls; ++k)
        {
            Reset(start);
            if (RunChild(m_program, L"save " + std::to_wstring(k)) != static_cast<int>(kCutExitCode))
            {
                nFailures += Fail(start, k, "the process did not end at the call");
                continue;
            }
            const std::string read = ReadBack();
            const bool bNew = read == kNew.pszRead;
            if (!bNew && read != start.pszBefore)
                nFailures += Fail(start, k, "a new start reads \"" + read + "\"");
            else if (bNewSeen && !bNew)
                nFailures += Fail(start, k, "the old settings came back after a cut that kept the new ones");
            nFailures += CheckFiles(start, k);
            bNewSeen = bNewSeen || bNew;
        }
        std::printf("%s: %ld calls, each cut survived%s\n", start.pszWhat, nCalls, nFailures == 0 ? "" : " but for the above");
        return nFailures;
    }

private:
    std::wstring Path(const wchar_t* pszName) const { return m_folder + L"\\" + pszName; }

    void Reset(const Start& start)
    {
        for (const wchar_t* pszName : {L"Options.dat", L"Options.dat.new", L"Options.dat.ready", L"read.txt"})
            DeleteFileW(Path(pszName).c_str());
        if (start.bOldFile)
            WriteAll(Path(L"Options.dat"), m_oldBytes);
    }

    // A new start's settings, and the file it leaves.
    std::string ReadBack()
    {
        if (RunChild(m_program, L"read") != 0)
            return "(the start failed)";
        m_lastFile = ReadAll(Path(L"Options.dat"));
        return ReadAll(Path(L"read.txt"));
    }

    // After a new start, Options.dat is the old file or the new one and nothing else is left.
    int CheckFiles(const Start& start, long k)
    {
        int nFailures = 0;
        const std::string& before = start.bOldFile ? m_oldBytes : m_defaultBytes;
        if (m_lastFile != before && m_lastFile != m_newBytes)
            nFailures += Fail(start, k, "Options.dat is neither the file before the save nor the new one");
        for (const wchar_t* pszName : {L"Options.dat.new", L"Options.dat.ready"})
            if (GetFileAttributesW(Path(pszName).c_str()) != INVALID_FILE_ATTRIBUTES)
                nFailures += Fail(start, k, Narrow(pszName) + " is left after a new start");
        return nFailures;
    }

    int Fail(const Start& start, long k, const std::string& sWhy)
    {
        std::printf("FAILED: %s, cut before call %ld: %s\n", start.pszWhat, k, sWhy.c_str());
        return 1;
    }

public:
    // The old settings' file and the new one, as a whole run writes them.
    void LearnFiles()
    {
        Reset(Start{"", false, ""});
        RunChild(m_program, L"read");
        m_defaultBytes = ReadAll(Path(L"Options.dat"));
        RunChild(m_program, L"save-old");
        m_oldBytes = ReadAll(Path(L"Options.dat"));
        RunChild(m_program, L"save 0");
        m_newBytes = ReadAll(Path(L"Options.dat"));
    }

private:
    std::wstring m_folder;
    std::wstring m_program;
    std::string m_defaultBytes;
    std::string m_oldBytes;
    std::string m_newBytes;
    std::string m_lastFile;
};

int Run()
{
    CPowerCutRun run(FolderOf(OwnPath()) + L"\\powercut");
    if (!run.Prepare())
    {
        std::printf("FAILED: the program cannot be copied into its folder\n");
        return 1;
    }
    run.LearnFiles();
    int nFailures = 0;
    for (const Start& start : kStarts)
        nFailures += run.Play(start);
    return nFailures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "save" && argc > 2)
        return Save(std::atol(argv[2]), kNew);
    if (verb == "save-old")
        return Save(0, kOld);
    if (verb == "read")
        return Read();
    if (verb == "run")
        return Run();
    std::fprintf(stderr, "usage: PowerCutHost.exe run | save K | read\n");
    return 2;
}
