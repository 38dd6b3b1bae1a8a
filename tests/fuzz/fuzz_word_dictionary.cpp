// Feeds arbitrary bytes to the dictionary reader as a dictionary file. Its checksum is
// made right first, so that the reads meet whatever the bytes hold. The reader must
// never read outside the file or loop; the suggestions it gives must be whole words
// (1 to 48 units, none zero), at most as many as asked, none twice, none equal to the
// typed letters; learning from text must keep the user's words whole. The seeds are
// small dictionaries that tools/wordgen compiled from a few hundred words of each list.
#include "FuzzInput.h"
#include "words/Crc32.h"
#include "words/Dictionary.h"
#include "words/UserWords.h"
#include "words/WordSuggestions.h"

#include <cstring>
#include <cwchar>
#include <memory>

namespace {

const wchar_t* const kTyped[] = {L"a", L"Th", L"e", L"ill", L"stras", L"CAFE", L"q", L"l'h", L"\u00e9t"};

void CheckSuggestions(const WordSuggestions& suggestions, const wchar_t* pszTyped, int nMax)
{
    Check(suggestions.nCount >= 0 && suggestions.nCount <= nMax);
    for (int i = 0; i < suggestions.nCount; ++i)
    {
        const wchar_t* pszWord = suggestions.aWords[i].szWord;
        const std::size_t nWord = wcsnlen(pszWord, kMaxWordUnits + 1);
        Check(nWord >= 1 && nWord <= kMaxWordUnits && wcscmp(pszWord, pszTyped) != 0);
        for (int k = 0; k < i; ++k)
            Check(wcscmp(suggestions.aWords[k].szWord, pszWord) != 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t cbData)
{
    std::unique_ptr<std::uint8_t[]> pBytes(new std::uint8_t[cbData + 1]);
    std::memcpy(pBytes.get(), pData, cbData);
    if (cbData >= 32)
    {
        const std::uint32_t nCrc = Crc32(pBytes.get() + 32, cbData - 32, Crc32(pBytes.get(), 28));
        for (int i = 0; i < 4; ++i)
            pBytes[28 + i] = static_cast<std::uint8_t>(nCrc >> (8 * i));
    }
    CDictionary dictionary;
    const bool bOpen = dictionary.Open(std::move(pBytes), cbData);
    const std::unique_ptr<CWordSuggester> pSuggester(new CWordSuggester(dictionary));
    CUserWords userWords;
    const wchar_t* pszText = L"zarn zarn gr\u00fc\u00dfe a-b x'y";
    pSuggester->LearnFromText(userWords, pszText, std::wcslen(pszText));
    for (const wchar_t* pszTyped : kTyped)
    {
        WordSuggestions suggestions = {};
        pSuggester->Suggest(&userWords, pszTyped, std::wcslen(pszTyped), 4, suggestions);
        CheckSuggestions(suggestions, pszTyped, 4);
        Check(bOpen || suggestions.nCount == 0);
        pSuggester->Knows(pszTyped, std::wcslen(pszTyped));
    }
    for (std::size_t i = 0; i < userWords.Count(); ++i)
        Check(IsStorableWord(userWords.At(i).szWord, std::wcslen(userWords.At(i).szWord)));
    return 0;
}
