#include "skin/ResolutionEntryReader.h"

#include "skin/AnsiCodePage.h"

#include <cwchar>

bool StoreResolutionAttribute(ResolutionEntry& entry, const wchar_t* pszName, const wchar_t* pszText,
                              std::size_t nLength, const CAnsiCodePage& codePage)
{
    if (pszName == nullptr)
        return true;
    if (std::wcscmp(pszName, L"ResolutionID") == 0)
        return ParseAnsiNumber(codePage, pszText, nLength, &entry.ResolutionID);
    if (std::wcscmp(pszName, L"Width") == 0)
        return ParseAnsiNumber(codePage, pszText, nLength, &entry.Width);
    if (std::wcscmp(pszName, L"Height") == 0)
        return ParseAnsiNumber(codePage, pszText, nLength, &entry.Height);
    if (std::wcscmp(pszName, L"LayoutFileName") == 0)
    {
        // A name that does not fit is dropped whole: a cut name could open another file.
        entry.LayoutFileName[0] = L'\0';
        if (nLength < kLayoutFileNameUnits && pszText != nullptr)
        {
            std::wmemcpy(entry.LayoutFileName, pszText, nLength);
            entry.LayoutFileName[nLength] = L'\0';
        }
    }
    else if (std::wcscmp(pszName, kSkinLanguageAttribute) == 0)
        entry.Language = ReadSkinLanguage(pszText, nLength);
    return true;
}
