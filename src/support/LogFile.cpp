#include "support/LogFile.h"

#include "platform/SdkInlines.h"

#include <new>

#include <cstdarg>
#include <cstdlib>
#include <cwchar>
#include <string>

const char* g_pszLogSourceFile = nullptr;
int g_nLogSourceLine = 0;

namespace {

CLogFile* g_pLogFile = nullptr;

void DestroyLogFile()
{
    delete g_pLogFile;
    g_pLogFile = nullptr;
}

// Wide text to the system's single-byte code page; characters it lacks
// become '?' rather than ending the text.
std::string ToLogText(const wchar_t* psz, int cch)
{
    if (cch <= 0)
        return std::string();
    const int cb = WideCharToMultiByte(CP_ACP, 0, psz, cch, nullptr, 0, nullptr, nullptr);
    if (cb <= 0)
        return std::string();
    std::string out(static_cast<size_t>(cb), '\0');
    WideCharToMultiByte(CP_ACP, 0, psz, cch, &out[0], cb, nullptr, nullptr);
    return out;
}

// The name of the log for this process, or false when it has none.
bool BuildLogFileName(WCHAR (&szName)[MAX_PATH], std::string& executable)
{
    WCHAR szExecutable[MAX_PATH + 1] = {};
    const DWORD cch = GetModuleFileNameW(nullptr, szExecutable, MAX_PATH);
    if (cch == 0 || cch >= MAX_PATH)
        return false;
    executable = ToLogText(szExecutable, static_cast<int>(cch));
    return ComposeLogFileName(szExecutable, cch, szName, MAX_PATH);
}

}  // namespace

bool CLogFile::Create()
{
    // Trace calls may come from any thread: the first to arrive installs its
    // log, and one that loses the race gives its copy back.
    CLogFile* pLog = new CLogFile();
    if (InterlockedCompareExchangePointer(reinterpret_cast<PVOID*>(&g_pLogFile), pLog, nullptr) != nullptr)
    {
        delete pLog;
        return false;
    }
    std::atexit(DestroyLogFile);
    return true;
}

CLogFile& CLogFile::Instance()
{
    // Also after the log was destroyed at teardown: a late trace gets a fresh
    // log rather than a dangling one.
    if (g_pLogFile == nullptr)
        Create();
    if (!g_pLogFile->m_bOpen)
        g_pLogFile->Open();
    return *g_pLogFile;
}

CLogFile::CLogFile()
{
    InitializeCriticalSection(&m_cs);
    m_dwTlsIndex = ce::TlsAlloc();
}

CLogFile::~CLogFile()
{
    Close();
    if (m_dwTlsIndex != TLS_OUT_OF_INDEXES)
        ce::TlsFree(m_dwTlsIndex);
    DeleteCriticalSection(&m_cs);
}

void CLogFile::Open()
{
    if (m_dwTlsIndex != TLS_OUT_OF_INDEXES)
        TlsSetValue(m_dwTlsIndex, nullptr);
    WCHAR szName[MAX_PATH];
    std::string executable;
    if (!BuildLogFileName(szName, executable))
        return;

    // The opening lines are made before the lock is taken: a failed allocation
    // must not leave it held.
    SYSTEMTIME st;
    GetLocalTime(&st);
    const std::string separator = LogSeparatorText();
    const std::string start =
        FormatLogStartText(LogClock{st.wDay, st.wMonth, st.wYear, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds});
    const std::string process = FormatLogExecutableText(executable.c_str(), ce::GetCurrentProcessId(), __DATE__, __TIME__);
    EnterCriticalSection(&m_cs);
    if (!m_bOpen)
    {
        // Each run starts a new log.
        DeleteFileW(szName);
        m_hFile = CreateFileW(szName, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_hFile != INVALID_HANDLE_VALUE)
        {
            SetFilePointer(m_hFile, 0, nullptr, FILE_END);
            m_bOpen = TRUE;
            WriteLine(separator.c_str());
            WriteLine(start.c_str());
            WriteLine(process.c_str());
        }
    }
    LeaveCriticalSection(&m_cs);
}

void CLogFile::Close()
{
    EnterCriticalSection(&m_cs);
    while (m_nCounters > 0)
    {
        CLogCounter* pCounter = m_apCounters[--m_nCounters];
        m_apCounters[m_nCounters] = nullptr;
        try
        {
            WriteLine(FormatLogCounterStatistics(pCounter->Figures()).c_str());
        }
        catch (const std::bad_alloc&)
        {
        }
        delete pCounter;
    }
    if (m_bOpen)
    {
        WriteLine(kLogFinishedText);
        CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
        m_bOpen = FALSE;
    }
    LeaveCriticalSection(&m_cs);
}

void CLogFile::Log(const char* pszFormat, ...)
{
    if (!m_bOpen)
        return;
    va_list args;
    va_start(args, pszFormat);
    // Short of memory the line is dropped: a trace must never end its caller.
    try
    {
        std::string message;
        if (FormatLogTextV(message, pszFormat, args))
            WriteLine(message.c_str());
    }
    catch (const std::bad_alloc&)
    {
    }
    va_end(args);
}

void CLogFile::LogW(const wchar_t* pszFormat, ...)
{
    if (!m_bOpen || pszFormat == nullptr)
        return;
    wchar_t szBuffer[kLogBufferBytes];
    va_list args;
    va_start(args, pszFormat);
    const int cch = std::vswprintf(szBuffer, kLogBufferBytes, pszFormat, args);
    va_end(args);
    if (cch < 0 || static_cast<size_t>(cch) > kLogMaxChars)
        return;
    try
    {
        const std::string message = ToLogText(szBuffer, cch);
        if (message.size() <= kLogMaxChars)
            WriteLine(message.c_str());
    }
    catch (const std::bad_alloc&)
    {
    }
}

CLogCounter* CLogFile::AddCounter(int nId)
{
    EnterCriticalSection(&m_cs);
    CLogCounter* pCounter = nullptr;
    if (m_nCounters < kMaxCounters)
    {
        pCounter = new (std::nothrow) CLogCounter(nId);
        if (pCounter != nullptr)
            m_apCounters[m_nCounters++] = pCounter;
    }
    LeaveCriticalSection(&m_cs);
    return pCounter;
}

void CLogFile::WriteLine(const char* pszMessage)
{
    if (!m_bOpen)
        return;
    SYSTEMTIME st;
    GetLocalTime(&st);
    LARGE_INTEGER counter = {};
    QueryPerformanceCounter(&counter);
    int nIndent = 0;
    if (m_dwTlsIndex != TLS_OUT_OF_INDEXES)
        nIndent = static_cast<int>(reinterpret_cast<INT_PTR>(TlsGetValue(m_dwTlsIndex)));

    // Short of memory the line is dropped (this also runs from the exit list, where
    // nothing may throw).
    std::string line;
    try
    {
        const std::string timeStamp = FormatLogTimeStamp(st.wHour, st.wMinute, st.wSecond, counter.QuadPart);
        if (!FormatLogLine(line, timeStamp, ce::GetCurrentThreadId(), nIndent, pszMessage, g_pszLogSourceFile,
                           g_nLogSourceLine))
            return;
    }
    catch (const std::bad_alloc&)
    {
        return;
    }
    // The seek to the end and the write go together: two threads that both
    // sought before either wrote would write at the same place, and one line
    // would be lost under the other.
    EnterCriticalSection(&m_cs);
    if (m_bOpen)
    {
        SetFilePointer(m_hFile, 0, nullptr, FILE_END);
        DWORD cbWritten = 0;
        WriteFile(m_hFile, line.data(), static_cast<DWORD>(line.size()), &cbWritten, nullptr);
        if (cbWritten < line.size())
            FlushFileBuffers(m_hFile);
    }
    LeaveCriticalSection(&m_cs);
}

void LOG_MSG(const char* pszMessage, const char* pszSourceFile, int nSourceLine)
{
    g_pszLogSourceFile = pszSourceFile;
    g_nLogSourceLine = nSourceLine;
    try
    {
        CLogFile::Instance().Log("%s", pszMessage != nullptr ? pszMessage : "");
    }
    catch (const std::bad_alloc&)
    {
    }
}

void LOG_MSG(const wchar_t* pszMessage, const char* pszSourceFile, int nSourceLine)
{
    g_pszLogSourceFile = pszSourceFile;
    g_nLogSourceLine = nSourceLine;
    try
    {
        CLogFile::Instance().LogW(L"%ls", pszMessage != nullptr ? pszMessage : L"");
    }
    catch (const std::bad_alloc&)
    {
    }
}
