#include "Findings.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

void CFindings::Error(const std::string& file, const std::string& entry, const std::string& message)
{
    Add({Severity::Error, file, entry, message});
}

void CFindings::Warning(const std::string& file, const std::string& entry, const std::string& message)
{
    Add({Severity::Warning, file, entry, message});
}

void CFindings::Add(const Finding& finding)
{
    const bool bKnown = std::any_of(m_findings.begin(), m_findings.end(), [&finding](const Finding& f) {
        return f.severity == finding.severity && f.file == finding.file && f.entry == finding.entry &&
               f.message == finding.message;
    });
    if (!bKnown)
        m_findings.push_back(finding);
}

int CFindings::ErrorCount() const
{
    return static_cast<int>(std::count_if(m_findings.begin(), m_findings.end(),
                                          [](const Finding& f) { return f.severity == Severity::Error; }));
}

int CFindings::WarningCount() const
{
    return static_cast<int>(m_findings.size()) - ErrorCount();
}

std::string CFindings::Format() const
{
    std::string out;
    for (const Finding& f : m_findings)
    {
        out += f.severity == Severity::Error ? "error: " : "warning: ";
        out += f.file;
        if (!f.entry.empty())
            out += ", " + f.entry;
        out += ": " + f.message + "\n";
    }
    return out;
}

std::string Printf(const char* pszFormat, ...)
{
    char szBuffer[1024];
    va_list args;
    va_start(args, pszFormat);
    std::vsnprintf(szBuffer, sizeof szBuffer, pszFormat, args);
    va_end(args);
    return szBuffer;
}
