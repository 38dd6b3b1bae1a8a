#pragma once
#include <string>
#include <vector>

// What the skin checker tells a skin author: each finding names the file and, where
// there is one, the entry, and says in plain words what is wrong and what it does.

enum class Severity
{
    Error,    // the skin does not work as drawn on some screen or hand
    Warning,  // it works, but something is likely unintended
};

struct Finding
{
    Severity severity;
    std::string file;     // relative to the skins folder, e.g. "Silver\qvga.xml"
    std::string entry;    // e.g. "child 12 \"char_Q\""; empty for the whole file
    std::string message;
};

class CFindings
{
public:
    void Error(const std::string& file, const std::string& entry, const std::string& message);
    void Warning(const std::string& file, const std::string& entry, const std::string& message);

    // Adds a finding unless the same one is already there (checks repeated per screen
    // and hand say each thing once).
    void Add(const Finding& finding);

    const std::vector<Finding>& All() const { return m_findings; }
    int ErrorCount() const;
    int WarningCount() const;

    // "error: Silver\qvga.xml, child 12 \"char_Q\": message" lines, in the order found.
    std::string Format() const;

private:
    std::vector<Finding> m_findings;
};

// printf-style formatting into a std::string.
std::string Printf(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));
