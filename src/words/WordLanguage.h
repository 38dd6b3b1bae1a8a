#pragma once
#include <cstdint>

// The languages that have a word list, in the order of their files' tags.
enum class WordLanguage : std::uint8_t
{
    English,
    German,
    French,
    Spanish,
    Italian,
};

constexpr int kWordLanguageCount = 5;

// The two ASCII letters that name the language in a dictionary's header and in its
// file name ("en", "de", "fr", "es", "it").
const char* WordLanguageTag(WordLanguage language);

// The language of a tag; false for a tag that names none.
bool WordLanguageOfTag(char chFirst, char chSecond, WordLanguage& language);

// The folder of the dictionaries, as a suffix of the module's folder, and a
// dictionary's file name in it: "en.dic", ...
constexpr wchar_t kDictionaryFolder[] = L"\\words";
const wchar_t* DictionaryFileName(WordLanguage language);
