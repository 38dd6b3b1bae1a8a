#include "words/WordLanguage.h"

namespace {

const char* const kTags[kWordLanguageCount] = {"en", "de", "fr", "es", "it"};
const wchar_t* const kFileNames[kWordLanguageCount] = {L"en.dic", L"de.dic", L"fr.dic", L"es.dic", L"it.dic"};

int IndexOf(WordLanguage language)
{
    const int n = static_cast<int>(language);
    return n >= 0 && n < kWordLanguageCount ? n : 0;
}

}  // namespace

const char* WordLanguageTag(WordLanguage language)
{
    return kTags[IndexOf(language)];
}

bool WordLanguageOfTag(char chFirst, char chSecond, WordLanguage& language)
{
    for (int i = 0; i < kWordLanguageCount; ++i)
    {
        if (kTags[i][0] == chFirst && kTags[i][1] == chSecond)
        {
            language = static_cast<WordLanguage>(i);
            return true;
        }
    }
    return false;
}

const wchar_t* DictionaryFileName(WordLanguage language)
{
    return kFileNames[IndexOf(language)];
}
