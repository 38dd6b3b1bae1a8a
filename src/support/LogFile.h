#pragma once
#include <windows.h>

#include "support/LogFormat.h"

// The diagnostic log: a text file beside the host executable, named after it
// ("Host.exe" -> "Host_log.txt"), replaced by each process run, always on.
// Each line carries the time, the thread and the source position of the
// trace call. Lines that would exceed 1023 characters are dropped whole.

// Source position of the next trace call, set by LOG_MSG just before it logs.
extern const char* g_pszLogSourceFile;
extern int g_nLogSourceLine;

// A timing counter owned by the log once registered; its statistics are
// written when the log closes.
class CLogCounter
{
public:
    explicit CLogCounter(int nId) : m_figures{nId, 0, 0, 0, 0} {}
    void AddTime(LONGLONG nMilliseconds) { AddLogCounterTime(m_figures, nMilliseconds); }
    const LogCounterFigures& Figures() const { return m_figures; }

private:
    LogCounterFigures m_figures;
};

class CLogFile
{
public:
    static constexpr int kMaxCounters = 30;

    // The process-wide log, made on first use and destroyed from the runtime's
    // exit list when the module unloads. Opens the log file when it is not
    // open yet, so every trace call retries a failed open.
    static CLogFile& Instance();

    // One line with the printf-style formatted message, when the log is open.
    void Log(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    // The same for a wide format (use %ls for wide strings); the text is
    // converted to the system's single-byte code page.
    void LogW(const wchar_t* pszFormat, ...);

    // Registers a counter with the given identifier, owned by the log; null
    // when 30 are registered already.
    CLogCounter* AddCounter(int nId);

    BOOL IsOpen() const { return m_bOpen; }

    virtual ~CLogFile();
    CLogFile(const CLogFile&) = delete;
    CLogFile& operator=(const CLogFile&) = delete;

private:
    CLogFile();
    static bool Create();
    void Open();
    void Close();
    void WriteLine(const char* pszMessage);

    HANDLE m_hFile = INVALID_HANDLE_VALUE;
    BOOL m_bOpen = FALSE;
    DWORD m_dwTlsIndex = TLS_OUT_OF_INDEXES;
    CRITICAL_SECTION m_cs;  // opening, closing, and each line's seek and write
    CLogCounter* m_apCounters[kMaxCounters] = {};
    int m_nCounters = 0;
};

// The trace call: records the caller's file and line and logs the message.
// The message is logged as text, never as a format, so a '%' in it is safe.
void LOG_MSG(const char* pszMessage, const char* pszSourceFile = __builtin_FILE(),
             int nSourceLine = __builtin_LINE());
// The same for a wide message, written in the system's single-byte code page.
void LOG_MSG(const wchar_t* pszMessage, const char* pszSourceFile = __builtin_FILE(),
             int nSourceLine = __builtin_LINE());
