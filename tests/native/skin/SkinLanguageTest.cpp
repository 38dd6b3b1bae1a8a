#include "skin/SkinLanguage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SkinLanguage, OnlyTheFiveTagsInLowerCaseNameALanguage)
{
    struct Case { std::wstring text; const char* pszTag; };  // empty: names no language
    const Case aCases[] = {
        {L"en", "en"}, {L"de", "de"}, {L"fr", "fr"}, {L"es", "es"}, {L"it", "it"}, {L"DE", ""}, {L"nl", ""},
        {L"d", ""}, {L"", ""}, {L"de-AT", ""}, {L" de", ""}, {std::wstring(L"d\0", 2), ""},
        // Units beyond ASCII whose low byte is a letter of a tag.
        {std::wstring{static_cast<wchar_t>(0x164), L'e'}, ""}, {std::wstring{L'd', static_cast<wchar_t>(0x165)}, ""},
    };
    for (const Case& c : aCases)
    {
        const SkinLanguage skin = ReadSkinLanguage(c.text.data(), c.text.size());
        EXPECT_EQ(std::string(c.pszTag), skin.bNamed ? WordLanguageTag(skin.language) : "") << c.pszTag;
    }
    EXPECT_FALSE(ReadSkinLanguage(nullptr, 2).bNamed);
}

// Automatic takes the skin's language where it names one, else the device's (whose
// languages LanguageOfWordList maps); a list the settings name is taken whatever the
// skin and the device.
TEST(SkinLanguage, TheWordListsLanguage)
{
    constexpr std::uint16_t kFrench = 0x040C, kDutch = 0x0413;
    const SkinLanguage none = {};
    const SkinLanguage german = {true, WordLanguage::German};
    struct Case { WordList list; SkinLanguage skin; std::uint16_t nDevice; WordLanguage expected; };
    const Case aCases[] = {
        {WordList::Automatic, german, kFrench, WordLanguage::German},
        {WordList::Automatic, none, kFrench, WordLanguage::French},
        {WordList::Automatic, none, kDutch, WordLanguage::English},
        {WordList::English, german, kFrench, WordLanguage::English},
        {WordList::Italiano, german, kFrench, WordLanguage::Italian},
        {WordList::Espanol, none, kDutch, WordLanguage::Spanish},
    };
    for (const Case& c : aCases)
        EXPECT_EQ(c.expected, PickWordLanguage(c.list, c.skin, c.nDevice))
            << static_cast<int>(c.list) << " " << c.skin.bNamed << " " << c.nDevice;
}

}  // namespace
