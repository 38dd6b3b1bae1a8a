#include "words/WordSuggestions.h"

#include "words/CaseRule.h"
#include "words/Dictionary.h"
#include "words/LetterMatch.h"
#include "words/Letters.h"
#include "words/TypedWord.h"
#include "words/UserWords.h"

#include <algorithm>

namespace {

std::size_t LengthOf(const wchar_t* psz)
{
    std::size_t n = 0;
    while (psz[n] != 0)
        ++n;
    return n;
}

bool SameText(const wchar_t* pszA, const wchar_t* pszB)
{
    std::size_t i = 0;
    for (; pszA[i] != 0 && pszA[i] == pszB[i]; ++i)
    {
    }
    return pszA[i] == pszB[i];
}

// The letters in lower case into szLower; false when they do not fit.
bool Lowered(const wchar_t* psz, std::size_t n, wchar_t (&szLower)[kMaxWordUnits + 1])
{
    if (psz == nullptr || n > kMaxWordUnits)
        return false;
    for (std::size_t i = 0; i < n; ++i)
        szLower[i] = LowerLetter(psz[i]);
    szLower[n] = 0;
    return true;
}

// The suggestions being gathered, and what they are checked against.
class CGathering
{
public:
    CGathering(const wchar_t* pszTyped, std::size_t nTyped, int nMax, WordSuggestions& suggestions)
        : m_pszTyped(pszTyped), m_nTyped(nTyped), m_case(CaseOfTyped(pszTyped, nTyped)), m_nMax(nMax),
          m_suggestions(suggestions)
    {
        m_suggestions.nCount = 0;
    }

    bool IsFull() const { return m_suggestions.nCount >= m_nMax; }

    void Offer(const wchar_t* pszStored)
    {
        const std::size_t nStored = LengthOf(pszStored);
        if (IsFull() || nStored == 0 || nStored > kMaxWordUnits)
            return;
        WordSuggestion& next = m_suggestions.aWords[m_suggestions.nCount];
        std::copy(pszStored, pszStored + nStored + 1, next.szWord);
        std::copy(pszStored, pszStored + nStored + 1, next.szStored);
        ApplyTypedCase(m_case, next.szWord);
        if (nStored == m_nTyped && std::equal(m_pszTyped, m_pszTyped + m_nTyped, next.szWord))
            return;
        for (int i = 0; i < m_suggestions.nCount; ++i)
        {
            if (SameText(m_suggestions.aWords[i].szWord, next.szWord))
                return;
        }
        ++m_suggestions.nCount;
    }

private:
    const wchar_t* m_pszTyped;
    std::size_t m_nTyped;
    TypedCase m_case;
    int m_nMax;
    WordSuggestions& m_suggestions;
};

// Whether a should come before b: more uses, then the more recent.
bool UsedMore(const UserWord& a, const UserWord& b)
{
    return a.nUses != b.nUses ? a.nUses > b.nUses : a.nLastUse > b.nLastUse;
}

}  // namespace

void CWordSuggester::Suggest(const CUserWords* pUserWords, const wchar_t* pszTyped, std::size_t nTyped, int nMax,
                             WordSuggestions& suggestions)
{
    nMax = std::clamp(nMax, 1, kMaxSuggestions);
    suggestions.nCount = 0;
    wchar_t szLower[kMaxWordUnits + 1];
    if (nTyped == 0 || !Lowered(pszTyped, nTyped, szLower))
        return;
    CGathering gathering(pszTyped, nTyped, nMax, suggestions);
    wchar_t aszShortcuts[kMaxSuggestions][kMaxWordUnits + 1];
    const int nShortcuts = m_dictionary.FindShortcuts(szLower, nTyped, aszShortcuts, nMax);
    for (int i = 0; i < nShortcuts; ++i)
        gathering.Offer(aszShortcuts[i]);

    if (pUserWords != nullptr)
    {
        const UserWord* apBest[kMaxSuggestions] = {};
        const int nBest = BestUserWords(*pUserWords, szLower, nTyped, apBest);
        for (int i = 0; i < nBest; ++i)
            gathering.Offer(apBest[i]->szWord);
    }

    m_search.Start(szLower, nTyped);
    wchar_t szWord[kMaxWordUnits + 1];
    std::uint8_t nFrequency = 0;
    while (!gathering.IsFull() && m_search.Next(szWord, nFrequency))
        gathering.Offer(szWord);
}

// The user's words that begin with the typed letters and may be offered, most used
// first, up to kMaxSuggestions; returns how many.
int CWordSuggester::BestUserWords(const CUserWords& userWords, const wchar_t* pszLower, std::size_t nTyped,
                                  const UserWord* (&apBest)[kMaxSuggestions])
{
    int nBest = 0;
    for (std::size_t i = 0; i < userWords.Count(); ++i)
    {
        const UserWord& word = userWords.At(i);
        const std::size_t nWord = LengthOf(word.szWord);
        if (!TypedLettersMatch(m_dictionary.Language(), pszLower, nTyped, word.szWord, nWord, false))
            continue;
        // Kept in order, best first; a word below the last of a full list is dropped.
        int nAt = nBest;
        while (nAt > 0 && UsedMore(word, *apBest[nAt - 1]))
            --nAt;
        if (nAt == kMaxSuggestions || (word.nUses < 2 && !Knows(word.szWord, nWord)))
            continue;
        for (int k = std::min(nBest, kMaxSuggestions - 1); k > nAt; --k)
            apBest[k] = apBest[k - 1];
        apBest[nAt] = &word;
        nBest = std::min(nBest + 1, kMaxSuggestions);
    }
    return nBest;
}

bool CWordSuggester::Knows(const wchar_t* pszWord, std::size_t nWord)
{
    wchar_t szLower[kMaxWordUnits + 1];
    return nWord > 0 && Lowered(pszWord, nWord, szLower) && m_search.HasWord(szLower, nWord);
}

void CWordSuggester::LearnFromText(CUserWords& userWords, const wchar_t* pszText, std::size_t nLength)
{
    if (!m_dictionary.IsOpen() || pszText == nullptr)
        return;
    std::size_t nPos = 0, nStart = 0, nWord = 0;
    while (NextTextWord(pszText, nLength, nPos, nStart, nWord))
    {
        if (Knows(pszText + nStart, nWord))
            continue;
        // An unknown word with an apostrophe or a hyphen teaches its unknown parts:
        // "Zarn's" teaches "Zarn", "e-book" nothing.
        for (std::size_t nPart = nStart, nEnd = nStart; nPart < nStart + nWord; nPart = nEnd + 1)
        {
            nEnd = nPart;
            while (nEnd < nStart + nWord && IsWordLetter(pszText[nEnd]))
                ++nEnd;
            if (nEnd - nPart >= 2 && !Knows(pszText + nPart, nEnd - nPart))
                userWords.CountUse(pszText + nPart, nEnd - nPart);
        }
    }
}

void CWordSuggester::LearnFromChoice(CUserWords& userWords, const WordSuggestion& chosen)
{
    const std::size_t nWord = LengthOf(chosen.szStored);
    if (Knows(chosen.szStored, nWord))
        userWords.CountUse(chosen.szStored, nWord);
}
