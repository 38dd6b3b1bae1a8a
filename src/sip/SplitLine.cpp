#include "sip/SplitLine.h"

#include <cwchar>

wchar_t* SplitLine(wchar_t* pszText, const wchar_t* pszSeparator, wchar_t** ppNext)
{
    wchar_t* pszLine = pszText != nullptr ? pszText : *ppNext;
    if (pszLine == nullptr)
        return nullptr;
    // An empty separator would match everywhere without moving on.
    const size_t cchSeparator = std::wcslen(pszSeparator);
    wchar_t* pszFound = cchSeparator != 0 ? std::wcsstr(pszLine, pszSeparator) : nullptr;
    if (pszFound == nullptr)
    {
        *ppNext = nullptr;
        return pszLine;
    }
    for (size_t i = 0; i < cchSeparator; ++i)
        pszFound[i] = L'\0';
    *ppNext = pszFound + cchSeparator;
    return pszLine;
}
