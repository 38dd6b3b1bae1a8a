#include "skin/AnsiCodePage.h"

#include "skin/SkinNumbers.h"

bool ParseAnsiNumber(const CAnsiCodePage& codePage, const wchar_t* pszText, std::size_t nLength,
                     int* pnValue)
{
    std::string ansi;
    if (!codePage.Narrow(pszText, nLength, ansi))
        return false;
    // c_str: an embedded zero ends the number, as it ends atoi's reading.
    *pnValue = ParseSkinNumber(ansi.c_str());
    return true;
}

NameTrip RoundTripName(const CAnsiCodePage& codePage, const wchar_t* pszText, std::size_t nLength,
                       wchar_t* pszOut, std::size_t nCapacity)
{
    if (pszOut == nullptr || nCapacity == 0)
        return NameTrip::TooLong;
    pszOut[0] = L'\0';
    std::string ansi;
    if (!codePage.Narrow(pszText, nLength, ansi))
        return NameTrip::NoMemory;
    if (ansi.c_str()[0] == '\0')
        return NameTrip::Done;
    if (!codePage.Widen(ansi.c_str(), pszOut, nCapacity))
    {
        pszOut[0] = L'\0';
        return NameTrip::TooLong;
    }
    return NameTrip::Done;
}
