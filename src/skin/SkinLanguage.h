#pragma once
#include "words/WordSettings.h"

#include <cstddef>
#include <cstdint>

// The language a skin's index names for its letters, in an optional attribute of its
// entries, Language="de": the two lower-case letters of one of the word lists'
// languages (en, de, fr, es, it). Readers that do not know the attribute ignore it.
// The first entry that names such a language names the skin's; a code that names none
// of them is passed over, and a skin without one leaves the choice to the device.
struct SkinLanguage
{
    bool bNamed;            // false (as zeroed): the skin names no language
    WordLanguage language;
};

constexpr wchar_t kSkinLanguageAttribute[] = L"Language";

// The language of the attribute's text (nLength units); not named when the text is
// not one of the codes.
SkinLanguage ReadSkinLanguage(const wchar_t* pszText, std::size_t nLength);

// The word list's language: the one the settings name; for Automatic the skin's
// when it names one, else that of the device's language (a LANGID), else English.
WordLanguage PickWordLanguage(WordList list, const SkinLanguage& skin, std::uint16_t nDeviceLanguage);
