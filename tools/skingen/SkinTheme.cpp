#include "SkinTheme.h"

namespace {

SkinTheme SilverWith(const wchar_t* pszName, const wchar_t* pszDescription, LetterArrangement arrangement,
                     const char* pszLanguage)
{
    SkinTheme theme = SilverTheme();
    theme.pszName = pszName;
    theme.pszDescription = pszDescription;
    theme.arrangement = arrangement;
    theme.pszLanguage = pszLanguage;
    return theme;
}

}  // namespace

const SkinTheme& SilverTheme()
{
    static const SkinTheme theme = {
        L"Silver",
        L"Silver: light keys on brushed aluminium",
        {0xE4E8ED, 0xB9C0C9},
        {0xFFFFFF, 0xE6E9EE},
        {0xD9DEE5, 0xBFC6D0},
        0x7D8794,
        0xFFFFFF,
        0x1D232B,
        0x2C3440,
        0x6B7684,
        {0x5FA8F5, 0x2D6CC9},
        0x7D8794,
        0xFFFFFF,
        {0xD3E6FC, 0xA8C8EF},
        0x1F4F96,
        {0x63B86A, 0x34893C},
        0xFFFFFF,
        {0xFFFFFF, 0xF3F5F8},
        0x8C96A3,
    };
    return theme;
}

const SkinTheme& MidnightTheme()
{
    static const SkinTheme theme = {
        L"Midnight",
        L"Midnight: dark keys with amber light",
        {0x24282E, 0x0E1013},
        {0x4A515B, 0x373D45},
        {0x30353D, 0x23272D},
        0x07080A,
        0x68707B,
        0xF1F3F6,
        0xFFC15A,
        0x9AA3AE,
        {0xFFC766, 0xE88E12},
        0x07080A,
        0x1B1205,
        {0x6A5226, 0x4A3919},
        0xFFD27A,
        {0x4F4330, 0x3A3124},
        0xFFC766,
        {0xDDE2E8, 0xC9D0D8},
        0x05070A,
    };
    return theme;
}

const SkinTheme& GermanTheme()
{
    static const SkinTheme theme =
        SilverWith(L"German", L"German: Silver with the letters of a German keyboard (QWERTZ)",
                   LetterArrangement::Qwertz, "de");
    return theme;
}

const SkinTheme& FrenchTheme()
{
    static const SkinTheme theme =
        SilverWith(L"French", L"French: Silver with the letters of a French keyboard (AZERTY)",
                   LetterArrangement::Azerty, "fr");
    return theme;
}
