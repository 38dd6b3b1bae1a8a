// Options.dat and Words.dat through power failures: a save is cut short at each of its
// file-system calls in turn (the process ends at once, before the call), a new process
// then starts as the keyboard does, and the file and what is read of it must be the old
// ones or the new ones, whole, with nothing left over.
//
//   PowerCutHost.exe run        plays every cut in a folder "powercut" beside itself;
//                               prints one line per failure, exits 1 when there was one
//   PowerCutHost.exe save K     (in that folder) starts, then saves new settings, ending
//                               the process before the K-th file-system call of the two
//                               (0: never);
//                               writes the number of calls to "calls.txt"
//   PowerCutHost.exe save-old   (in that folder) saves the old settings, uncut
//   PowerCutHost.exe read       (in that folder) starts and writes what it read to "read.txt"
//   PowerCutHost.exe save-words K, save-words-old, read-words: the same for the learned
//                               words (a save loads them and learns three more)

#include "settings/Settings.h"
#include "settings/UserWordsStore.h"
#include "support/ModuleInstance.h"

#include "faults/ImportRedirect.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <string>

namespace
{

constexpr UINT kCutExitCode = 77;

// The settings a user had, and those the save writes.
struct Choice
{
    DWORD dwHabit;
    const wchar_t* pszSkin;
    bool bAccents;
    WordSettings words;
    const char* pszRead;  // as SettingsRead gives them
};
const Choice kOld = {0, L"French.xml", false, {false, 4, 1, false, false, WordList::Francais},
                     "0 French.xml off, words 0 4 1 0 0 3"};
const Choice kNew = {1, L"Midnight.xml", true, {true, 1, 4, true, true, WordList::Italiano},
                     "1 Midnight.xml on, words 1 1 4 1 1 5"};

// The words a user had learned, and those a session learns on top of them.
const wchar_t* const kOldWords[] = {L"alpha", L"alpha", L"beta"};
const wchar_t* const kLearnedWords[] = {L"gamma", L"alpha", L"delta"};

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

// The settings in memory, as "habit skin accents, words suggest after count space learn list".
std::string SettingsRead()
{
    WCHAR szSkin[MAX_PATH];
    GetSkinFile(szSkin);
    const WordSettings w = GetWordSettings();
    char szWords[64];
    std::snprintf(szWords, sizeof szWords, ", words %d %u %u %d %d %u", w.bSuggest, w.nAfterLetters, w.nWords,
                  w.bSpaceAfterWord, w.bLearn, static_cast<unsigned>(w.list));
    return std::to_string(GetHabit()) + " " + Narrow(szSkin) + " " + (GetAccentsOnLongPress() ? "on" : "off") + szWords;
}

void Choose(const Choice& choice)
{
    SetHabit(choice.dwHabit);
    SetSkinFile(choice.pszSkin);
    SetAccentsOnLongPress(choice.bAccents);
    SetWordSettings(choice.words);
}

void WriteCalls()
{
    const long nCalls = g_nCalls;
    g_nCutAt = 0;
    WriteAll(FolderOf(OwnPath()) + L"\\calls.txt", std::to_string(nCalls));
}

int Save(long nCutAt, const Choice& choice)
{
    CutFileCalls(nCutAt);
    LoadOptions();
    Choose(choice);
    SaveOptions();
    WriteCalls();
    return 0;
}

int Read()
{
    LoadOptions();
    WriteAll(FolderOf(OwnPath()) + L"\\read.txt", SettingsRead());
    return 0;
}

// As the keyboard does: the words it has, what a session learns, the words saved.
template <std::size_t N>
int SaveWords(long nCutAt, bool bFromNothing, const wchar_t* const (&apszWords)[N])
{
    CutFileCalls(nCutAt);
    CUserWords words;
    if (!bFromNothing && !LoadUserWords(words))
        return 1;
    for (const wchar_t* pszWord : apszWords)
        words.CountUse(pszWord, std::wcslen(pszWord));
    SaveUserWords(words);
    WriteCalls();
    return 0;
}

// The words kept, as "word:uses ... clock N".
int ReadWords()
{
    CUserWords words;
    std::string text = LoadUserWords(words) ? "" : "(not read) ";
    for (std::size_t i = 0; i < words.Count(); ++i)
        text += Narrow(words.At(i).szWord) + ":" + std::to_string(words.At(i).nUses) + " ";
    WriteAll(FolderOf(OwnPath()) + L"\\read.txt", text + "clock " + std::to_string(words.Clock()));
    return 0;
}

// Runs this program's copy in the folder with the arguments; its exit code, or -1. On a
// starved machine Wine now and then fails a start with ERROR_INTERNAL_ERROR: the child
// died in the loader, before any code of ours ran, so the start is made again.
int RunChild(const std::wstring& program, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL bStarted = FALSE;
    for (int nTry = 0; nTry < 3 && !bStarted && (nTry == 0 || GetLastError() == ERROR_INTERNAL_ERROR); ++nTry)
        bStarted = CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  FolderOf(program).c_str(), &startup, &process);
    if (!bStarted)
        return -1;
    DWORD dwExit = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &dwExit);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(dwExit);
}

// One file and the verbs of this program that save and read it.
struct Kind
{
    const wchar_t* pszFile;
    const wchar_t* pszSave;     // followed by the call to cut before
    const wchar_t* pszSaveOld;
    const wchar_t* pszRead;
    const char* pszNewRead;     // what every save leaves to read; null: it depends on the words before
};

const Kind kKinds[] = {
    {L"Options.dat", L"save", L"save-old", L"read", kNew.pszRead},
    {L"Words.dat", L"save-words", L"save-words-old", L"read-words", nullptr},
};

struct Start
{
    const char* pszWhat;
    bool bOldFile;      // the file holds the old settings or words before the save; else there is none
};

const Start kStarts[] = {
    {"a save over the old file", true},
    {"a save where there is no file yet (the settings' first start writes the defaults)", false},
};

// What a new start reads, and the file it leaves.
struct Outcome { std::string read, file; };

class CPowerCutRun
{
public:
    CPowerCutRun(const std::wstring& folder, const Kind& kind)
        : m_folder(folder), m_program(folder + L"\\PowerCutHost.exe"), m_kind(kind)
    {
    }

    bool Prepare()
    {
        CreateDirectoryW(m_folder.c_str(), nullptr);
        return CopyFileW(OwnPath().c_str(), m_program.c_str(), FALSE) != FALSE;
    }

    // What a start reads with no file, and with the old one.
    void LearnBefore()
    {
        Reset(false);
        m_none = ReadBack();
        RunChild(m_program, m_kind.pszSaveOld);
        m_old = ReadBack();
    }

    // Every cut of one start; the number of failures.
    int Play(const Start& start)
    {
        const Outcome& before = start.bOldFile ? m_old : m_none;
        Reset(start.bOldFile);
        if (RunChild(m_program, Verb(0)) != 0)
            return Fail(start, 0, "the uncut save did not run");
        const Outcome after = ReadBack();
        const long nCalls = std::atol(ReadAll(m_folder + L"\\calls.txt").c_str());
        const bool bSaved = m_kind.pszNewRead != nullptr ? after.read == m_kind.pszNewRead : after.read != before.read;
        if (!bSaved || nCalls <= 0)
            return Fail(start, 0, "the uncut save gives \"" + after.read + "\" after " + std::to_string(nCalls) + " calls");
        int nFailures = 0;
        bool bNewSeen = false;
        for (long k = 1; k <= nCalls; ++k)
        {
            Reset(start.bOldFile);
            if (RunChild(m_program, Verb(k)) != static_cast<int>(kCutExitCode))
            {
                nFailures += Fail(start, k, "the process did not end at the call");
                continue;
            }
            const Outcome cut = ReadBack();
            const bool bNew = cut.read == after.read;
            if (!bNew && cut.read != before.read)
                nFailures += Fail(start, k, "a new start reads \"" + cut.read + "\"");
            else if (bNewSeen && !bNew)
                nFailures += Fail(start, k, "the old file came back after a cut that kept the new one");
            if (cut.file != before.file && cut.file != after.file)
                nFailures += Fail(start, k, Narrow(m_kind.pszFile) + " is neither the old file nor the new one");
            nFailures += CheckNothingLeft(start, k);
            bNewSeen = bNewSeen || bNew;
        }
        std::printf("%s, %s: %ld calls, each cut survived%s\n", Narrow(m_kind.pszFile).c_str(), start.pszWhat, nCalls,
                    nFailures == 0 ? "" : " but for the above");
        return nFailures;
    }

private:
    std::wstring Path(const std::wstring& name) const { return m_folder + L"\\" + name; }

    std::wstring Verb(long k) const { return std::wstring(m_kind.pszSave) + L" " + std::to_wstring(k); }

    void Reset(bool bOldFile)
    {
        const std::wstring file = m_kind.pszFile;
        for (const std::wstring& name : {file, file + L".new", file + L".ready", std::wstring(L"read.txt")})
            DeleteFileW(Path(name).c_str());
        if (bOldFile)
            WriteAll(Path(file), m_old.file);
    }

    // A new start's reading, and the file it leaves.
    Outcome ReadBack()
    {
        if (const int nExit = RunChild(m_program, m_kind.pszRead); nExit != 0)
            return {"(the start failed: " + std::to_string(nExit) + ")", ""};
        return {ReadAll(Path(L"read.txt")), ReadAll(Path(m_kind.pszFile))};
    }

    int CheckNothingLeft(const Start& start, long k)
    {
        int nFailures = 0;
        for (const wchar_t* pszSuffix : {L".new", L".ready"})
            if (GetFileAttributesW(Path(m_kind.pszFile + std::wstring(pszSuffix)).c_str()) != INVALID_FILE_ATTRIBUTES)
                nFailures += Fail(start, k, Narrow(m_kind.pszFile) + Narrow(pszSuffix) + " is left after a new start");
        return nFailures;
    }

    int Fail(const Start& start, long k, const std::string& sWhy)
    {
        std::printf("FAILED: %s, %s, cut before call %ld: %s\n", Narrow(m_kind.pszFile).c_str(), start.pszWhat, k,
                    sWhy.c_str());
        return 1;
    }

    std::wstring m_folder;
    std::wstring m_program;
    const Kind& m_kind;
    Outcome m_none;
    Outcome m_old;
};

int Run()
{
    int nFailures = 0;
    for (const Kind& kind : kKinds)
    {
        CPowerCutRun run(FolderOf(OwnPath()) + L"\\powercut", kind);
        if (!run.Prepare())
        {
            std::printf("FAILED: the program cannot be copied into its folder\n");
            return 1;
        }
        run.LearnBefore();
        for (const Start& start : kStarts)
            nFailures += run.Play(start);
    }
    return nFailures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    const std::string verb = argc > 1 ? argv[1] : "";
    const long nCutAt = argc > 2 ? std::atol(argv[2]) : 0;
    if (verb == "save" && argc > 2)
        return Save(nCutAt, kNew);
    if (verb == "save-old")
        return Save(0, kOld);
    if (verb == "read")
        return Read();
    if (verb == "save-words" && argc > 2)
        return SaveWords(nCutAt, false, kLearnedWords);
    if (verb == "save-words-old")
        return SaveWords(0, true, kOldWords);
    if (verb == "read-words")
        return ReadWords();
    if (verb == "run")
        return Run();
    std::fprintf(stderr, "usage: PowerCutHost.exe run | save K | save-old | read | save-words K | save-words-old | "
                         "read-words\n");
    return 2;
}
