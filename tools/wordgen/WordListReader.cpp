#include "WordListReader.h"

#include "device/harness/TextUtf.h"

#include <cstdlib>

namespace {

constexpr int kWhitelistRank = 256;

// The value of key in a line of comma-separated pairs; false when the key is absent.
// In an entry's line the first field runs to ",f=", so that a word may hold a comma.
bool FieldOf(std::string_view line, std::string_view key, std::string_view& value, bool bEntry = true)
{
    std::size_t nAt = 0;
    while (nAt < line.size())
    {
        std::size_t nEnd = line.find(',', nAt);
        if (nAt == 0 && bEntry)
            nEnd = line.find(",f=");
        if (nEnd == std::string_view::npos)
            nEnd = line.size();
        const std::string_view field = line.substr(nAt, nEnd - nAt);
        if (field.size() > key.size() && field.substr(0, key.size()) == key && field[key.size()] == '=')
        {
            value = field.substr(key.size() + 1);
            return true;
        }
        nAt = nEnd + 1;
    }
    return false;
}

bool ReadNumber(std::string_view text, int& nValue)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    nValue = std::atoi(std::string(text).c_str());
    return nValue <= 255;
}

bool ReadWordLine(std::string_view line, WordListFile& list)
{
    std::string_view word, frequency, flag;
    ListWord entry = {};
    if (!FieldOf(line, "word", word) || word.empty() || !FieldOf(line, "f", frequency) ||
        !ReadNumber(frequency, entry.nFrequency))
        return false;
    entry.word = Widen(word);
    entry.bNotAWord = FieldOf(line, "not_a_word", flag) && flag == "true";
    entry.bOffensive = FieldOf(line, "possibly_offensive", flag) && flag == "true";
    list.words.push_back(entry);
    return true;
}

bool ReadShortcutLine(std::string_view line, WordListFile& list)
{
    std::string_view target, rank;
    ListShortcut shortcut = {};
    if (list.words.empty() || !FieldOf(line, "shortcut", target) || target.empty() || !FieldOf(line, "f", rank))
        return false;
    if (rank == "whitelist")
        shortcut.nRank = kWhitelistRank;
    else if (!ReadNumber(rank, shortcut.nRank))
        return false;
    shortcut.target = Widen(target);
    list.words.back().shortcuts.push_back(shortcut);
    return true;
}

}  // namespace

bool ReadWordList(std::string_view text, WordListFile& list, std::string& error)
{
    list = {};
    std::size_t nLine = 0;
    for (std::size_t nAt = 0; nAt < text.size();)
    {
        std::size_t nEnd = text.find('\n', nAt);
        if (nEnd == std::string_view::npos)
            nEnd = text.size();
        std::string_view line = text.substr(nAt, nEnd - nAt);
        nAt = nEnd + 1;
        ++nLine;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        bool bRead = true;
        if (line.substr(0, 2) == "  ")
            bRead = ReadShortcutLine(line.substr(2), list);
        else if (line.substr(0, 1) == " ")
            bRead = ReadWordLine(line.substr(1), list);
        else if (nLine == 1)
        {
            std::string_view locale;
            if (FieldOf(line, "locale", locale, false))
                list.locale = std::string(locale);
        }
        else
            bRead = line.empty();
        if (!bRead)
        {
            error = "line " + std::to_string(nLine) + ": cannot read \"" + std::string(line.substr(0, 60)) + "\"";
            return false;
        }
    }
    return true;
}
