#pragma once
#include <cstdarg>
#include <cstddef>
#include <string>

// The text of the diagnostic log: every piece that needs no file or clock.
// Lines are single-byte text; everything is limited to what fits in a
// 1024-byte buffer, and what does not fit is refused whole, never cut.

constexpr std::size_t kLogBufferBytes = 1024;
constexpr std::size_t kLogMaxChars = kLogBufferBytes - 1;  // 1023
constexpr int kLogMaxIndent = 99;

// printf-style formatting of a message; false (and out empty) on a
// formatting error or a result longer than 1023 characters.
bool FormatLogTextV(std::string& out, const char* pszFormat, std::va_list args);
bool FormatLogText(std::string& out, const char* pszFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// "HH:MM:SS(counter)": local time and the raw performance counter.
std::string FormatLogTimeStamp(unsigned nHour, unsigned nMinute, unsigned nSecond, long long nCounter);

// The part of a source path after its last backslash (the whole path when it
// has none); "" for null.
const char* LogSourceName(const char* pszSourcePath);

// One line: "<time> thr 0x<THREAD> : <indent><message>\t(from <source>,<line>)\r\n".
// The indentation is nIndent spaces, clamped to 0..99. False (out empty) when
// the line would be empty or longer than 1023 characters.
bool FormatLogLine(std::string& out, const std::string& timeStamp, unsigned long dwThreadId, int nIndent,
                   const char* pszMessage, const char* pszSourcePath, int nSourceLine);

struct LogClock
{
    unsigned nDay, nMonth, nYear, nHour, nMinute, nSecond, nMilliseconds;
};

// The three messages that open a log.
std::string LogSeparatorText();
std::string FormatLogStartText(const LogClock& clock);
std::string FormatLogExecutableText(const char* pszExecutable, unsigned long dwProcessId,
                                    const char* pszBuildDate, const char* pszBuildTime);

// The message of the last trace call before the log closes.
constexpr char kLogFinishedText[] = "Log finished";

// What a timing counter measured: identifier, count and times in milliseconds.
struct LogCounterFigures
{
    int nId;
    int nCount;
    long long nMinTime;
    long long nMaxTime;
    long long nTotalTime;
};

// The statistics message of one counter (several lines in one message); the
// average is the total divided by the count, 0 when nothing was measured.
std::string FormatLogCounterStatistics(const LogCounterFigures& figures);

// Adds one measurement to the figures.
void AddLogCounterTime(LogCounterFigures& figures, long long nTime);

// The log's file name for an executable's full name: the extension of the
// file name (from its last dot) replaced by "_log.txt", or "_log.txt" added
// when the file name has no dot. Dots in folder names are not extensions.
// False with an empty output when the result would not fit in cchOut units.
template <typename TChar>
bool ComposeLogFileName(const TChar* pszExecutable, std::size_t cchExecutable, TChar* pOut, std::size_t cchOut)
{
    static const char kSuffix[] = "_log.txt";
    constexpr std::size_t cchSuffix = sizeof(kSuffix) - 1;
    if (pOut == nullptr || cchOut == 0)
        return false;
    pOut[0] = 0;
    if (pszExecutable == nullptr || cchExecutable == 0)
        return false;

    std::size_t cchStem = cchExecutable;
    for (std::size_t i = cchExecutable; i > 0; --i)
    {
        const TChar ch = pszExecutable[i - 1];
        if (ch == TChar('\\'))
            break;
        if (ch == TChar('.'))
        {
            cchStem = i - 1;
            break;
        }
    }
    if (cchStem + cchSuffix + 1 > cchOut)
        return false;
    for (std::size_t i = 0; i < cchStem; ++i)
        pOut[i] = pszExecutable[i];
    for (std::size_t i = 0; i < cchSuffix; ++i)
        pOut[cchStem + i] = static_cast<TChar>(kSuffix[i]);
    pOut[cchStem + cchSuffix] = 0;
    return true;
}
