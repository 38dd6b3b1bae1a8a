#include "words/TypedWord.h"

#include "words/Letters.h"

namespace {

bool IsDigit(wchar_t ch)
{
    return ch >= L'0' && ch <= L'9';
}

bool IsJoiner(wchar_t ch)
{
    return ch == L'\'' || ch == 0x2019 || ch == L'-';
}

// A letter or digit, or a joiner with a letter or digit on both sides.
bool IsInWord(const wchar_t* pszText, std::size_t nLength, std::size_t i)
{
    const auto bLetterOrDigit = [&](std::size_t k) { return IsWordLetter(pszText[k]) || IsDigit(pszText[k]); };
    return bLetterOrDigit(i) || (IsJoiner(pszText[i]) && i > 0 && i + 1 < nLength && bLetterOrDigit(i - 1) &&
                                 bLetterOrDigit(i + 1));
}

}  // namespace

std::size_t TypedWordStart(const wchar_t* pszText, std::size_t nCaret)
{
    std::size_t nStart = nCaret;
    while (nStart > 0 && IsWordLetter(pszText[nStart - 1]))
        --nStart;
    return nStart > 0 && IsDigit(pszText[nStart - 1]) ? nCaret : nStart;
}

bool NextTextWord(const wchar_t* pszText, std::size_t nLength, std::size_t& nPos, std::size_t& nStart,
                  std::size_t& nWordLength)
{
    while (nPos < nLength)
    {
        while (nPos < nLength && !IsInWord(pszText, nLength, nPos))
            ++nPos;
        const std::size_t nRun = nPos;
        bool bDigits = false;
        while (nPos < nLength && IsInWord(pszText, nLength, nPos))
            bDigits |= IsDigit(pszText[nPos++]);
        if (nPos > nRun && !bDigits)
        {
            nStart = nRun;
            nWordLength = nPos - nRun;
            return true;
        }
    }
    return false;
}
