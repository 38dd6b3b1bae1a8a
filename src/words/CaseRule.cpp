#include "words/CaseRule.h"

#include "words/Letters.h"

void ApplyTypedCase(const wchar_t* pszTyped, std::size_t nTyped, wchar_t* pszWord)
{
    std::size_t nCapitals = 0;
    for (std::size_t i = 0; i < nTyped; ++i)
        nCapitals += IsUpperLetter(pszTyped[i]) ? 1 : 0;
    if (nCapitals >= 2)
    {
        for (wchar_t* p = pszWord; *p != 0; ++p)
            *p = UpperLetter(*p);
    }
    else if (nTyped > 0 && IsUpperLetter(pszTyped[0]) && pszWord[0] != 0)
    {
        pszWord[0] = UpperLetter(pszWord[0]);
    }
}
