#pragma once
#include "words/WordLimits.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A word of the user's own: how often it was used and when last (a use clock that
// counts every use of every word).
struct UserWord
{
    wchar_t szWord[kMaxWordUnits + 1];
    std::uint32_t nUses;
    std::uint32_t nLastUse;
};

// The words the user typed that the list lacks and the suggestions the user chose,
// at most kMaxUserWords: a new word beyond that drops the least recently used one.
// Words are told apart ignoring case; the form kept is the one with the fewest
// capitals seen, so that a word first typed at the start of a sentence does not stay
// capitalised. Running out of memory drops the use, never the words already kept.
class CUserWords
{
public:
    // Counts one use of the word (1 to kMaxWordUnits units, none zero); false when it
    // was not counted.
    bool CountUse(const wchar_t* pszWord, std::size_t nWord);

    // Removes the word; false when it was not there.
    bool Forget(const wchar_t* pszWord, std::size_t nWord);

    // The word, ignoring case; null when it is not kept.
    const UserWord* Find(const wchar_t* pszWord, std::size_t nWord) const;

    std::size_t Count() const { return m_words.size(); }
    const UserWord& At(std::size_t i) const { return m_words[i]; }
    std::uint32_t Clock() const { return m_nClock; }

    // For the file's reader: keeps a word as stored, unless it is malformed, already
    // kept, or the list is full. The clock moves up to the newest use.
    bool Restore(const wchar_t* pszWord, std::size_t nWord, std::uint32_t nUses, std::uint32_t nLastUse);
    void SetClock(std::uint32_t nClock);
    void Clear();

private:
    std::size_t IndexOf(const wchar_t* pszWord, std::size_t nWord) const;
    std::uint32_t Tick();

    std::vector<UserWord> m_words;
    std::uint32_t m_nClock = 0;
};

// Whether a word may be kept: 1 to kMaxWordUnits units, no control characters, no
// zero, no half of a surrogate pair.
bool IsStorableWord(const wchar_t* pszWord, std::size_t nWord);
