#include "Script.h"

#include <cstdint>
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

ScriptParse ParseScript(const std::string& text)
{
    ScriptParse parse;
    std::istringstream lines(text);
    std::string line;
    int nLine = 0;
    auto fail = [&](const std::string& why) {
        parse.error = "line " + std::to_string(nLine) + ": " + why;
        parse.commands.clear();
        return parse;
    };
    while (std::getline(lines, line))
    {
        ++nLine;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        const size_t nSpace = trimmed.find(' ');
        const std::string word = trimmed.substr(0, nSpace);
        const std::string rest = nSpace == std::string::npos ? std::string() : Trim(trimmed.substr(nSpace + 1));
        ScriptCommand command{ScriptVerb::Wait, std::string(), std::string(), nLine};
        auto needs = [&](bool bArgument) { return bArgument == !rest.empty(); };
        if (word == "tap")
        {
            if (BarButtonByName(rest) < 0)
                return fail("tap needs a bar button: keyboard copy selectall cut enter paste backspace options");
            command.verb = ScriptVerb::Tap;
        }
        else if (word == "key")
            command.verb = ScriptVerb::Key;
        else if (word == "type" || word == "write" || word == "expect-text" || word == "expect-message")
        {
            // The text starts after exactly one space, so that it may begin with blanks.
            const size_t nAt = line.find(word) + word.size();
            std::string raw = nAt + 1 < line.size() ? line.substr(nAt + 1) : std::string();
            if (!raw.empty() && raw.back() == '\r')
                raw.pop_back();
            std::string unescaped;
            if (!Unescape(raw, unescaped))
                return fail("bad escape in the text (\\n, \\s and \\\\ are known)");
            if (unescaped.empty() && word != "expect-text")
                return fail(word + " needs a text");
            command.verb = word == "type" ? ScriptVerb::Type
                         : word == "write" ? ScriptVerb::Write
                         : word == "expect-text" ? ScriptVerb::ExpectText
                                                 : ScriptVerb::ExpectMessage;
            command.argument = unescaped;
            parse.commands.push_back(command);
            continue;
        }
        else if (word == "press")
            command.verb = ScriptVerb::Press;
        else if (word == "skin")
            command.verb = ScriptVerb::Skin;
        else if (word == "hand")
        {
            if (rest != "left" && rest != "right")
                return fail("hand is left or right");
            command.verb = ScriptVerb::Hand;
        }
        else if (word == "screenshot")
        {
            command.verb = ScriptVerb::Screenshot;
            std::istringstream words(rest);
            std::string file, region, extra;
            words >> file >> region >> extra;
            if (file.empty() || !extra.empty())
                return fail("screenshot FILE [screen|bar|keyboard|notes|dialog]");
            if (region.empty())
                region = "screen";
            if (region != "screen" && region != "bar" && region != "keyboard" && region != "notes" && region != "dialog")
                return fail("unknown screenshot region " + region);
            command.argument = file;
            command.region = region;
            parse.commands.push_back(command);
            continue;
        }
        else if (word == "wait")
        {
            char* pEnd = nullptr;
            const long lMs = std::strtol(rest.c_str(), &pEnd, 10);
            if (rest.empty() || *pEnd != '\0' || lMs < 0 || lMs > 600000)
                return fail("wait needs milliseconds");
            command.verb = ScriptVerb::Wait;
        }
        else if (word == "expect-keyboard")
        {
            if (rest != "open" && rest != "closed")
                return fail("expect-keyboard open or closed");
            command.verb = ScriptVerb::ExpectKeyboard;
        }
        else if (word == "sip" || word == "rotate" || word == "switch" || word == "notes" || word == "ok" ||
                 word == "cancel" || word == "expect-no-message" || word == "expect-background" || word == "windows")
        {
            if (!needs(false))
                return fail(word + " takes no argument");
            command.verb = word == "sip" ? ScriptVerb::Sip
                         : word == "rotate" ? ScriptVerb::Rotate
                         : word == "switch" ? ScriptVerb::Switch
                         : word == "notes" ? ScriptVerb::Notes
                         : word == "ok" ? ScriptVerb::Ok
                         : word == "cancel" ? ScriptVerb::Cancel
                         : word == "expect-no-message" ? ScriptVerb::ExpectNoMessage
                         : word == "windows" ? ScriptVerb::Windows
                                                       : ScriptVerb::ExpectBackground;
            parse.commands.push_back(command);
            continue;
        }
        else
            return fail("unknown command " + word);
        if (!needs(true))
            return fail(word + " needs an argument");
        command.argument = rest;
        parse.commands.push_back(command);
    }
    return parse;
}

