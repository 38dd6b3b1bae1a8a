#include "support/LogFormat.h"

#include <cstdio>
#include <cstring>

bool FormatLogTextV(std::string& out, const char* pszFormat, std::va_list args)
{
    out.clear();
    if (pszFormat == nullptr)
        return false;
    char szBuffer[kLogBufferBytes];
    const int nLength = std::vsnprintf(szBuffer, sizeof(szBuffer), pszFormat, args);
    if (nLength < 0 || static_cast<std::size_t>(nLength) > kLogMaxChars)
        return false;
    out.assign(szBuffer, static_cast<std::size_t>(nLength));
    return true;
}

bool FormatLogText(std::string& out, const char* pszFormat, ...)
{
    std::va_list args;
    va_start(args, pszFormat);
    const bool bOk = FormatLogTextV(out, pszFormat, args);
    va_end(args);
    return bOk;
}

std::string FormatLogTimeStamp(unsigned nHour, unsigned nMinute, unsigned nSecond, long long nCounter)
{
    std::string out;
    if (!FormatLogText(out, "%02u:%02u:%02u(%lld)", nHour, nMinute, nSecond, nCounter))
        out.clear();
    return out;
}

const char* LogSourceName(const char* pszSourcePath)
{
    if (pszSourcePath == nullptr)
        return "";
    const char* pszLast = std::strrchr(pszSourcePath, '\\');
    return pszLast != nullptr ? pszLast + 1 : pszSourcePath;
}

bool FormatLogLine(std::string& out, const std::string& timeStamp, unsigned long dwThreadId, int nIndent,
                   const char* pszMessage, const char* pszSourcePath, int nSourceLine)
{
    if (nIndent < 0)
        nIndent = 0;
    if (nIndent > kLogMaxIndent)
        nIndent = kLogMaxIndent;
    const std::string indent(static_cast<std::size_t>(nIndent), ' ');
    const bool bOk = FormatLogText(out, "%s thr 0x%08lX : %s%s\t(from %s,%d)\r\n", timeStamp.c_str(), dwThreadId,
                                   indent.c_str(), pszMessage != nullptr ? pszMessage : "",
                                   LogSourceName(pszSourcePath), nSourceLine);
    return bOk && !out.empty();
}

std::string LogSeparatorText()
{
    return std::string(45, '=');
}

std::string FormatLogStartText(const LogClock& c)
{
    std::string out;
    FormatLogText(out, "Log is started on %02u.%02u.%04u, at %02u:%02u:%02u:%03u", c.nDay, c.nMonth, c.nYear,
                  c.nHour, c.nMinute, c.nSecond, c.nMilliseconds);
    return out;
}

std::string FormatLogExecutableText(const char* pszExecutable, unsigned long dwProcessId,
                                    const char* pszBuildDate, const char* pszBuildTime)
{
    std::string out;
    FormatLogText(out, "Executable: %s (ProcID: 0x%08lx), compile time: %s %s",
                  pszExecutable != nullptr ? pszExecutable : "", dwProcessId,
                  pszBuildDate != nullptr ? pszBuildDate : "", pszBuildTime != nullptr ? pszBuildTime : "");
    return out;
}

std::string FormatLogCounterStatistics(const LogCounterFigures& f)
{
    const long long nAverage = f.nCount != 0 ? f.nTotalTime / f.nCount : 0;
    std::string out;
    FormatLogText(out,
                  "Counter %d statistics\r\n\tCounts: %d,\r\n\tMinTime: %lld ms,\r\n\tMaxTime: %lld ms,\r\n"
                  "\tTotalTime: %lld ms,\r\n\tAverageTime: %lld ms",
                  f.nId, f.nCount, f.nMinTime, f.nMaxTime, f.nTotalTime, nAverage);
    return out;
}

void AddLogCounterTime(LogCounterFigures& f, long long nTime)
{
    if (f.nCount == 0 || nTime < f.nMinTime)
        f.nMinTime = nTime;
    if (f.nCount == 0 || nTime > f.nMaxTime)
        f.nMaxTime = nTime;
    f.nTotalTime += nTime;
    ++f.nCount;
}
