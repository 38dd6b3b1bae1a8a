#include "Script.h"

#include <cstdlib>
#include <sstream>

namespace {

std::string Trim(const std::string& s)
{
    const size_t nFirst = s.find_first_not_of(" \t\r");
    if (nFirst == std::string::npos)
        return std::string();
    return s.substr(nFirst, s.find_last_not_of(" \t\r") - nFirst + 1);
}

bool Unescape(const std::string& raw, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < raw.size(); ++i)
    {
        if (raw[i] != '\\')
        {
            out += raw[i];
            continue;
        }
        if (++i == raw.size())
            return false;
        if (raw[i] == 'n')
            out += '\n';
        else if (raw[i] == '\\')
            out += '\\';
        else if (raw[i] == 's')
            out += ' ';   // a space where a trailing one would be trimmed
        else
            return false;
    }
    return true;
}

const char* const g_apszButtons[] = {"keyboard", "copy", "selectall", "cut", "enter", "paste", "backspace", "options"};

}  // namespace

int BarButtonByName(const std::string& name)
{
    for (int i = 0; i < 8; ++i)
        if (name == g_apszButtons[i])
            return i;
    return -1;
}

namespace {

// How a verb reads the rest of its line.
enum class Rest
{
    None,           // nothing may follow
    Word,           // a word that must be there (and pass the rule's check, if it has one)
    Text,           // a text after exactly one space, escapes resolved; not empty
    TextOrNothing,  // the same, and empty is a text too
    Screenshot,     // FILE [region]
    Hold            // FILE CHARACTER
};

bool IsBarButton(const std::string& word) { return BarButtonByName(word) >= 0; }
bool IsHand(const std::string& word) { return word == "left" || word == "right"; }
bool IsOpenOrClosed(const std::string& word) { return word == "open" || word == "closed"; }
bool IsOnOrOff(const std::string& word) { return word == "on" || word == "off"; }

bool IsMilliseconds(const std::string& word)
{
    char* pEnd = nullptr;
    const long lMs = std::strtol(word.c_str(), &pEnd, 10);
    return !word.empty() && *pEnd == '\0' && lMs >= 0 && lMs <= 600000;
}

struct VerbRule
{
    const char* pszName;
    ScriptVerb verb;
    Rest rest;
    bool (*pfnAccepts)(const std::string& word);   // Rest::Word only; nullptr takes any word
    const char* pszRefusal;                          // why a word pfnAccepts refuses is wrong
};

const VerbRule g_aVerbs[] = {
    {"tap", ScriptVerb::Tap, Rest::Word, IsBarButton,
     "tap needs a bar button: keyboard copy selectall cut enter paste backspace options"},
    {"sip", ScriptVerb::Sip, Rest::None, nullptr, nullptr},
    {"key", ScriptVerb::Key, Rest::Word, nullptr, nullptr},
    {"type", ScriptVerb::Type, Rest::Text, nullptr, nullptr},
    {"hold", ScriptVerb::Hold, Rest::Hold, nullptr, nullptr},
    {"press", ScriptVerb::Press, Rest::Word, nullptr, nullptr},
    {"rotate", ScriptVerb::Rotate, Rest::None, nullptr, nullptr},
    {"switch", ScriptVerb::Switch, Rest::None, nullptr, nullptr},
    {"notes", ScriptVerb::Notes, Rest::None, nullptr, nullptr},
    {"skin", ScriptVerb::Skin, Rest::Word, nullptr, nullptr},
    {"hand", ScriptVerb::Hand, Rest::Word, IsHand, "hand is left or right"},
    {"accents", ScriptVerb::Accents, Rest::Word, IsOnOrOff, "accents is on or off"},
    {"ok", ScriptVerb::Ok, Rest::None, nullptr, nullptr},
    {"cancel", ScriptVerb::Cancel, Rest::None, nullptr, nullptr},
    {"screenshot", ScriptVerb::Screenshot, Rest::Screenshot, nullptr, nullptr},
    {"wait", ScriptVerb::Wait, Rest::Word, IsMilliseconds, "wait needs milliseconds"},
    {"write", ScriptVerb::Write, Rest::Text, nullptr, nullptr},
    {"windows", ScriptVerb::Windows, Rest::None, nullptr, nullptr},
    {"expect-text", ScriptVerb::ExpectText, Rest::TextOrNothing, nullptr, nullptr},
    {"expect-message", ScriptVerb::ExpectMessage, Rest::Text, nullptr, nullptr},
    {"expect-no-message", ScriptVerb::ExpectNoMessage, Rest::None, nullptr, nullptr},
    {"expect-keyboard", ScriptVerb::ExpectKeyboard, Rest::Word, IsOpenOrClosed, "expect-keyboard open or closed"},
    {"expect-background", ScriptVerb::ExpectBackground, Rest::None, nullptr, nullptr},
    {"expect-preview", ScriptVerb::ExpectPreview, Rest::Word, nullptr, nullptr},
    {"expect-words", ScriptVerb::ExpectWords, Rest::TextOrNothing, nullptr, nullptr},
    {"choose", ScriptVerb::Choose, Rest::Word, nullptr, nullptr},
    {"forget", ScriptVerb::Forget, Rest::Word, nullptr, nullptr},
};

const VerbRule* FindVerb(const std::string& name)
{
    for (const VerbRule& rule : g_aVerbs)
        if (name == rule.pszName)
            return &rule;
    return nullptr;
}

// The text starts after exactly one space, so that it may begin with blanks.
std::string ReadText(const VerbRule& rule, const std::string& line, ScriptCommand& command)
{
    const size_t nAt = line.find_first_not_of(" \t\r") + std::string(rule.pszName).size();
    std::string raw = nAt + 1 < line.size() ? line.substr(nAt + 1) : std::string();
    if (!raw.empty() && raw.back() == '\r')
        raw.pop_back();
    if (!Unescape(raw, command.argument))
        return "bad escape in the text (\\n, \\s and \\\\ are known)";
    if (command.argument.empty() && rule.rest == Rest::Text)
        return std::string(rule.pszName) + " needs a text";
    return std::string();
}

std::string ReadScreenshot(const std::string& rest, ScriptCommand& command)
{
    std::istringstream words(rest);
    std::string file, region, extra;
    words >> file >> region >> extra;
    if (file.empty() || !extra.empty())
        return "screenshot FILE [screen|bar|keyboard|notes|dialog]";
    if (region.empty())
        region = "screen";
    if (region != "screen" && region != "bar" && region != "keyboard" && region != "notes" && region != "dialog")
        return "unknown screenshot region " + region;
    command.argument = file;
    command.region = region;
    return std::string();
}

std::string ReadHold(const std::string& rest, ScriptCommand& command)
{
    const size_t nSpace = rest.find(' ');
    if (nSpace == std::string::npos)
        return "hold FILE CHARACTER";
    command.region = rest.substr(0, nSpace);
    command.argument = Trim(rest.substr(nSpace + 1));
    return std::string();
}

// The command of one line; the reason it is wrong, or empty.
std::string ReadCommand(const std::string& line, ScriptCommand& command)
{
    const std::string trimmed = Trim(line);
    const size_t nSpace = trimmed.find(' ');
    const std::string name = trimmed.substr(0, nSpace);
    const std::string rest = nSpace == std::string::npos ? std::string() : Trim(trimmed.substr(nSpace + 1));
    const VerbRule* pRule = FindVerb(name);
    if (pRule == nullptr)
        return "unknown command " + name;
    command.verb = pRule->verb;
    switch (pRule->rest)
    {
    case Rest::None:
        return rest.empty() ? std::string() : name + " takes no argument";
    case Rest::Word:
        if (pRule->pfnAccepts != nullptr && !pRule->pfnAccepts(rest))
            return pRule->pszRefusal;
        command.argument = rest;
        return rest.empty() ? name + " needs an argument" : std::string();
    case Rest::Text:
    case Rest::TextOrNothing:
        return ReadText(*pRule, line, command);
    case Rest::Screenshot:
        return ReadScreenshot(rest, command);
    case Rest::Hold:
        return ReadHold(rest, command);
    }
    return std::string();
}

}  // namespace

ScriptParse ParseScript(const std::string& text)
{
    ScriptParse parse;
    // An editor may have saved the script with a byte order mark.
    const std::string bom = "\xEF\xBB\xBF";
    std::istringstream lines(text.compare(0, bom.size(), bom) == 0 ? text.substr(bom.size()) : text);
    std::string line;
    for (int nLine = 1; std::getline(lines, line); ++nLine)
    {
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        ScriptCommand command{ScriptVerb::Wait, std::string(), std::string(), nLine};
        const std::string why = ReadCommand(line, command);
        if (!why.empty())
        {
            parse.error = "line " + std::to_string(nLine) + ": " + why;
            parse.commands.clear();
            return parse;
        }
        parse.commands.push_back(command);
    }
    return parse;
}
