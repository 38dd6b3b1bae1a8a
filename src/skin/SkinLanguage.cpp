#include "skin/SkinLanguage.h"

SkinLanguage ReadSkinLanguage(const wchar_t* pszText, std::size_t nLength)
{
    SkinLanguage skin = {};
    const auto isAscii = [](wchar_t ch) { return static_cast<std::uint32_t>(ch) <= 0x7F; };
    if (pszText == nullptr || nLength != 2 || !isAscii(pszText[0]) || !isAscii(pszText[1]))
        return skin;
    skin.bNamed = WordLanguageOfTag(static_cast<char>(pszText[0]), static_cast<char>(pszText[1]), skin.language);
    return skin;
}

WordLanguage PickWordLanguage(WordList list, const SkinLanguage& skin, std::uint16_t nDeviceLanguage)
{
    if (list == WordList::Automatic && skin.bNamed)
        return skin.language;
    return LanguageOfWordList(list, nDeviceLanguage);
}
