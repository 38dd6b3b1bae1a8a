#pragma once
#include "WordListReader.h"

#include "words/WordLanguage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What goes into a dictionary file (src/words/DictionaryFormat.h).
struct DictionaryWord
{
    std::wstring word;
    std::uint8_t nFrequency;  // 0: offered only when typed in full
};

struct DictionaryShortcut
{
    std::wstring source;  // the entry word, as listed
    std::wstring target;
    int nRank;            // the better first
};

struct DictionarySource
{
    WordLanguage language = WordLanguage::English;
    std::vector<DictionaryWord> words;
    std::vector<DictionaryShortcut> shortcuts;
};

// How the list's marks become the dictionary's: a word that is not a word keeps only
// its shortcuts; a word the list marks f=0 or possibly offensive gets frequency 0.
// False when the locale names no language of ours.
bool SourceOfList(const WordListFile& list, DictionarySource& source);

struct DictionaryFigures
{
    std::size_t nWords = 0;      // stored
    std::size_t nDropped = 0;    // too long, or with a character the file cannot hold
    std::size_t nShortcuts = 0;
    std::size_t nAlphabet = 0;
};

// The bytes of the dictionary file; empty when no word could be stored. Words longer
// than kMaxWordUnits, with a unit outside the basic plane, or with a character beyond
// the 127 most used are left out; the same word twice keeps its best frequency.
std::vector<std::uint8_t> WriteDictionary(const DictionarySource& source, DictionaryFigures& figures);
