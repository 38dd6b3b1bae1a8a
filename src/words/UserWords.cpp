#include "words/UserWords.h"

#include "words/Letters.h"

#include <algorithm>
#include <new>

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t LengthOf(const wchar_t* psz)
{
    std::size_t n = 0;
    while (psz[n] != 0)
        ++n;
    return n;
}

bool SameIgnoringCase(const wchar_t* pszA, std::size_t nA, const wchar_t* pszB, std::size_t nB)
{
    if (nA != nB)
        return false;
    for (std::size_t i = 0; i < nA; ++i)
    {
        if (LowerLetter(pszA[i]) != LowerLetter(pszB[i]))
            return false;
    }
    return true;
}

std::size_t CapitalsOf(const wchar_t* psz, std::size_t n)
{
    std::size_t nCapitals = 0;
    for (std::size_t i = 0; i < n; ++i)
        nCapitals += IsUpperLetter(psz[i]) ? 1 : 0;
    return nCapitals;
}

void CopyWord(wchar_t (&szTarget)[kMaxWordUnits + 1], const wchar_t* pszWord, std::size_t nWord)
{
    std::copy(pszWord, pszWord + nWord, szTarget);
    szTarget[nWord] = 0;
}

}  // namespace

bool IsStorableWord(const wchar_t* pszWord, std::size_t nWord)
{
    if (pszWord == nullptr || nWord < 1 || nWord > kMaxWordUnits)
        return false;
    for (std::size_t i = 0; i < nWord; ++i)
    {
        const unsigned long nUnit = static_cast<unsigned long>(pszWord[i]);
        if (nUnit < 0x20 || (nUnit >= 0x7F && nUnit < 0xA0) || (nUnit >= 0xD800 && nUnit <= 0xDFFF) || nUnit > 0xFFFF)
            return false;
    }
    return true;
}

std::size_t CUserWords::IndexOf(const wchar_t* pszWord, std::size_t nWord) const
{
    for (std::size_t i = 0; i < m_words.size(); ++i)
    {
        if (SameIgnoringCase(m_words[i].szWord, LengthOf(m_words[i].szWord), pszWord, nWord))
            return i;
    }
    return kNone;
}

const UserWord* CUserWords::Find(const wchar_t* pszWord, std::size_t nWord) const
{
    const std::size_t i = IsStorableWord(pszWord, nWord) ? IndexOf(pszWord, nWord) : kNone;
    return i == kNone ? nullptr : &m_words[i];
}

// The next use's time. At the top of the clock the uses are renumbered in their order.
std::uint32_t CUserWords::Tick()
{
    if (m_nClock == UINT32_MAX)
    {
        std::vector<UserWord*> byUse;
        byUse.reserve(m_words.size());
        for (UserWord& word : m_words)
            byUse.push_back(&word);
        std::sort(byUse.begin(), byUse.end(), [](const UserWord* a, const UserWord* b) { return a->nLastUse < b->nLastUse; });
        m_nClock = 0;
        for (UserWord* pWord : byUse)
            pWord->nLastUse = ++m_nClock;
    }
    return ++m_nClock;
}

bool CUserWords::CountUse(const wchar_t* pszWord, std::size_t nWord)
{
    if (!IsStorableWord(pszWord, nWord))
        return false;
    try
    {
        const std::size_t i = IndexOf(pszWord, nWord);
        if (i != kNone)
        {
            UserWord& word = m_words[i];
            word.nLastUse = Tick();
            word.nUses += word.nUses < UINT32_MAX ? 1 : 0;
            if (CapitalsOf(pszWord, nWord) < CapitalsOf(word.szWord, nWord))
                CopyWord(word.szWord, pszWord, nWord);
            return true;
        }
        if (m_words.size() >= static_cast<std::size_t>(kMaxUserWords))
        {
            const auto oldest = std::min_element(m_words.begin(), m_words.end(), [](const UserWord& a, const UserWord& b) {
                return a.nLastUse < b.nLastUse;
            });
            m_words.erase(oldest);
        }
        UserWord word = {};
        CopyWord(word.szWord, pszWord, nWord);
        word.nUses = 1;
        word.nLastUse = Tick();
        m_words.push_back(word);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

bool CUserWords::Forget(const wchar_t* pszWord, std::size_t nWord)
{
    const std::size_t i = IsStorableWord(pszWord, nWord) ? IndexOf(pszWord, nWord) : kNone;
    if (i == kNone)
        return false;
    m_words.erase(m_words.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

bool CUserWords::Restore(const wchar_t* pszWord, std::size_t nWord, std::uint32_t nUses, std::uint32_t nLastUse)
{
    if (!IsStorableWord(pszWord, nWord) || nUses == 0 || m_words.size() >= static_cast<std::size_t>(kMaxUserWords) ||
        IndexOf(pszWord, nWord) != kNone)
        return false;
    try
    {
        UserWord word = {};
        CopyWord(word.szWord, pszWord, nWord);
        word.nUses = nUses;
        word.nLastUse = nLastUse;
        m_words.push_back(word);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    m_nClock = std::max(m_nClock, nLastUse);
    return true;
}

void CUserWords::SetClock(std::uint32_t nClock)
{
    m_nClock = std::max(m_nClock, nClock);
}

void CUserWords::Clear()
{
    m_words.clear();
    m_nClock = 0;
}
