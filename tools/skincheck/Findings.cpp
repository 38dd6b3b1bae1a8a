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

std::string ToUtf8(const std::wstring& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        unsigned long c = static_cast<unsigned long>(text[i]) & 0xFFFFFFFFul;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
        {
            const unsigned long low = static_cast<unsigned long>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF)
            {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            c = 0xFFFD;
        if (c < 0x80)
            out.push_back(static_cast<char>(c));
        else if (c < 0x800)
        {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
        else if (c < 0x10000)
        {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
        else
        {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
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
