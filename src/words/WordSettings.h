#pragma once
#include "words/WordLanguage.h"

#include <cstdint>

// The word list the options name; Automatic follows the device's language.
enum class WordList : std::uint32_t
{
    Automatic,
    English,
    Deutsch,
    Francais,
    Espanol,
    Italiano,
};

// The settings of word completion, as the options dialog shows them.
struct WordSettings
{
    bool bSuggest = true;              // "Suggest words"
    std::uint32_t nAfterLetters = 2;   // letters typed before words are offered, 1 to 4
    std::uint32_t nWords = 3;          // words offered at once, 1 to 4
    bool bSpaceAfterWord = true;       // a chosen word is followed by a space
    bool bLearn = true;                // new words are learnt
    WordList list = WordList::Automatic;
};

constexpr std::uint32_t kMinAfterLetters = 1;
constexpr std::uint32_t kMaxAfterLetters = 4;
constexpr std::uint32_t kMinWordsOffered = 1;
constexpr std::uint32_t kMaxWordsOffered = 4;

// The settings with every value in its range: a count below or above it takes the
// nearest end, a list that names none of the lists is Automatic.
WordSettings ClampWordSettings(const WordSettings& settings);

// The language of the word list: the list named, or for Automatic the one of the
// device's language (the primary language of a LANGID, its low 10 bits: German,
// French, Spanish or Italian; English for any other).
WordLanguage LanguageOfWordList(WordList list, std::uint16_t nLanguageId);
