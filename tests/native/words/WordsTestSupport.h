#pragma once
// Dictionaries compiled as the build compiles them, and what the suggestions make of them.
#include "DictionaryWriter.h"
#include "device/harness/TextUtf.h"
#include "words/Crc32.h"
#include "words/Dictionary.h"
#include "words/WordSuggestions.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes CompileDictionary(WordLanguage language, std::vector<DictionaryWord> words,
                               std::vector<DictionaryShortcut> shortcuts = {})
{
    DictionarySource source;
    source.language = language;
    source.words = std::move(words);
    source.shortcuts = std::move(shortcuts);
    DictionaryFigures figures;
    return WriteDictionary(source, figures);
}

inline bool OpenDictionary(CDictionary& dictionary, const Bytes& bytes)
{
    std::unique_ptr<std::uint8_t[]> pCopy(new std::uint8_t[bytes.size() + 1]);
    std::copy(bytes.begin(), bytes.end(), pCopy.get());
    return dictionary.Open(std::move(pCopy), bytes.size());
}

// The checksum made right again after a change, so that the reads meet the damage.
inline Bytes Sealed(Bytes bytes)
{
    if (bytes.size() >= 32)
    {
        const std::uint32_t nCrc = Crc32(bytes.data() + 32, bytes.size() - 32, Crc32(bytes.data(), 28));
        for (int i = 0; i < 4; ++i)
            bytes[28 + i] = static_cast<std::uint8_t>(nCrc >> (8 * i));
    }
    return bytes;
}

// The suggestions as UTF-8, in order.
inline std::vector<std::string> Suggested(CWordSuggester& suggester, const CUserWords* pUserWords,
                                          const std::wstring& typed, int nMax = 4)
{
    WordSuggestions suggestions = {};
    suggester.Suggest(pUserWords, typed.c_str(), typed.size(), nMax, suggestions);
    std::vector<std::string> words;
    for (int i = 0; i < suggestions.nCount; ++i)
        words.push_back(Narrow(suggestions.aWords[i].szWord));
    return words;
}
