#include "skin/LayoutEntryReader.h"

#include "skin/KeyTable.h"
#include "skin/AnsiCodePage.h"

#include <cwchar>

namespace {

struct NumberAttribute
{
    const wchar_t* pszName;
    int LayoutValues::*pField;
};

const NumberAttribute g_numberAttributes[] = {
    {L"BackgroundWidth", &LayoutValues::nBackgroundWidth},
    {L"BackgroundHeight", &LayoutValues::nBackgroundHeight},
    {L"OrientationValue", &LayoutValues::nOrientationValue},
    {L"Left", &LayoutValues::nLeft},
    {L"Top", &LayoutValues::nTop},
    {L"Width", &LayoutValues::nWidth},
    {L"Height", &LayoutValues::nHeight},
};

struct NamedEntry
{
    const wchar_t* pszEntry;
    LayoutEntryKind kind;
};

const NamedEntry g_namedEntries[] = {
    {L"DefaultBackground", LayoutEntryKind::DefaultBackground},
    {L"Orientation", LayoutEntryKind::Orientation},
    {L"CharBackground", LayoutEntryKind::CharBackground},
    {L"SymbolBackground", LayoutEntryKind::SymbolBackground},
    {L"NumberBackground", LayoutEntryKind::NumberBackground},
    {L"char_editview", LayoutEntryKind::EditView},
    {L"char_charview", LayoutEntryKind::CharView},
    {L"char_wordview", LayoutEntryKind::WordView},
};

// The characters of an Alternates attribute, kept as the document gives them: they are
// what a key types, not a file name, so they do not go through the ANSI code page. A
// strip cell holds one UTF-16 unit, so characters written as surrogate pairs are left out.
void StoreAlternates(wchar_t (&szOut)[kMaxAlternates + 1], const wchar_t* pszText, std::size_t nLength)
{
    std::size_t nKept = 0;
    for (std::size_t n = 0; pszText != nullptr && n < nLength && nKept < kMaxAlternates && pszText[n] != L'\0'; ++n)
    {
        if (IsSingleUnitCharacter(pszText[n]))
            szOut[nKept++] = pszText[n];
    }
    szOut[nKept] = L'\0';
}

}  // namespace

bool StoreLayoutAttribute(LayoutValues& values, const wchar_t* pszName, const wchar_t* pszText,
                          std::size_t nLength, const CAnsiCodePage& codePage)
{
    if (pszName == nullptr)
        return true;
    for (const NumberAttribute& attribute : g_numberAttributes)
    {
        if (std::wcscmp(pszName, attribute.pszName) == 0)
            return ParseAnsiNumber(codePage, pszText, nLength, &(values.*attribute.pField));
    }
    if (std::wcscmp(pszName, L"Alternates") == 0)
    {
        StoreAlternates(values.szAlternates, pszText, nLength);
        return true;
    }
    if (std::wcscmp(pszName, L"DefaultPath") == 0)
    {
        values.bBitmapNamed = true;
        // A name too long for a path leaves the entry without a bitmap rather than with
        // a wrong one; only a conversion that ran out of memory ends the entry.
        return RoundTripName(codePage, pszText, nLength, values.szBitmapName, kBitmapNameUnits) !=
               NameTrip::NoMemory;
    }
    return true;
}

LayoutEntryTarget ClassifyLayoutEntry(const wchar_t* pszEntry)
{
    if (pszEntry == nullptr)
        return {LayoutEntryKind::Ignored, KEY_NONE};
    for (const NamedEntry& entry : g_namedEntries)
    {
        if (std::wcscmp(pszEntry, entry.pszEntry) == 0)
            return {entry.kind, KEY_NONE};
    }
    const int nKey = FindKeyByEntry(pszEntry);
    if (nKey == KEY_NONE)
        return {LayoutEntryKind::Ignored, KEY_NONE};
    return {LayoutEntryKind::Key, nKey};
}
