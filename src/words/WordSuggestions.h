#pragma once
#include "words/WordLimits.h"
#include "words/WordSearch.h"

#include <cstddef>

class CUserWords;
struct UserWord;

struct WordSuggestion
{
    wchar_t szWord[kMaxWordUnits + 1];    // what replaces the typed letters, in the case they ask for
    wchar_t szStored[kMaxWordUnits + 1];  // the word as the list or the user's words hold it
};

struct WordSuggestions
{
    int nCount;
    WordSuggestion aWords[kMaxSuggestions];
};

// Word completion over one dictionary. It holds the search's state (a few kilobytes,
// best kept off a window procedure's stack), so that a keystroke allocates nothing.
class CWordSuggester
{
public:
    explicit CWordSuggester(const CDictionary& dictionary) : m_dictionary(dictionary), m_search(dictionary) {}

    // Up to nMax (1 to kMaxSuggestions) words for the typed letters (the word before the
    // caret, TypedWordStart), best first: the list's shortcuts for exactly these letters
    // ("ill" gives "I'll"); then the user's words that begin with them, most used first
    // (a word the list lacks once it was used twice); then the list's words by frequency.
    // Matching ignores case and accents as LetterMatch.h says; the case rule of
    // CaseRule.h gives each word its case. A word that would type exactly what is
    // already typed is not offered, nor twice the same word. Without a dictionary only
    // the user's words used twice are offered.
    void Suggest(const CUserWords* pUserWords, const wchar_t* pszTyped, std::size_t nTyped, int nMax,
                 WordSuggestions& suggestions);

    // Whether the dictionary knows the word, matched as typed letters would match it.
    bool Knows(const wchar_t* pszWord, std::size_t nWord);

    // Counts each word of the text OK delivered that the dictionary does not know
    // (NextTextWord says what a word is); of a word with an apostrophe or a hyphen, its
    // unknown parts. Single letters are left out. Nothing is learnt without a
    // dictionary, which could not tell the new words.
    void LearnFromText(CUserWords& userWords, const wchar_t* pszText, std::size_t nLength);

    // Counts a chosen suggestion that is a word of the dictionary. A word of the user's
    // own is counted when the text holding it is delivered instead, so that it counts once.
    void LearnFromChoice(CUserWords& userWords, const WordSuggestion& chosen);

private:
    int BestUserWords(const CUserWords& userWords, const wchar_t* pszLower, std::size_t nTyped,
                      const UserWord* (&apBest)[kMaxSuggestions]);

    const CDictionary& m_dictionary;
    CWordSearch m_search;
};
