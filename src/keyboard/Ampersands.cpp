#include "keyboard/Ampersands.h"

void DoubleAmpersands(const wchar_t* pszSource, wchar_t* pszDest)
{
    if (pszDest == nullptr)
        return;
    if (pszSource != nullptr)
    {
        for (; *pszSource != L'\0'; ++pszSource)
        {
            if (*pszSource == L'&')
                *pszDest++ = L'&';
            *pszDest++ = *pszSource;
        }
    }
    *pszDest = L'\0';
}
