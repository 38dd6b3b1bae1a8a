#include "words/CaseRule.h"

#include "words/Letters.h"

TypedCase CaseOfTyped(const wchar_t* pszTyped, std::size_t nTyped)
{
    std::size_t nCapitals = 0;
    for (std::size_t i = 0; i < nTyped; ++i)
        nCapitals += IsUpperLetter(pszTyped[i]) ? 1 : 0;
    if (nCapitals >= 2)
        return TypedCase::AllCapitals;
    return nTyped > 0 && IsUpperLetter(pszTyped[0]) ? TypedCase::Capitalised : TypedCase::AsListed;
}

void ApplyTypedCase(TypedCase typedCase, wchar_t* pszWord)
{
    if (typedCase == TypedCase::AllCapitals)
    {
        for (wchar_t* p = pszWord; *p != 0; ++p)
            *p = UpperLetter(*p);
    }
    else if (typedCase == TypedCase::Capitalised && pszWord[0] != 0)
    {
        pszWord[0] = UpperLetter(pszWord[0]);
    }
}
