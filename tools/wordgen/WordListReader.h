#pragma once
#include <string>
#include <string_view>
#include <vector>

// A word list with frequencies as data/wordlists/README.md describes it: a header line
// of key=value pairs, then one line per word (" word=the,f=222,...") with the lines of
// its shortcuts under it ("  shortcut=I'll,f=whitelist").

struct ListShortcut
{
    std::wstring target;
    int nRank;  // its f, or 256 for "whitelist"
};

struct ListWord
{
    std::wstring word;
    int nFrequency;   // f: 0 to 255
    bool bNotAWord;   // not_a_word=true: only there for its shortcuts
    bool bOffensive;  // possibly_offensive=true
    std::vector<ListShortcut> shortcuts;
};

struct WordListFile
{
    std::string locale;  // the header's locale, "en_US"
    std::vector<ListWord> words;
};

// Reads the list's UTF-8 text; false, with the line and what is wrong, when a line
// cannot be read.
bool ReadWordList(std::string_view text, WordListFile& list, std::string& error);
