#include "common/TestCodePage.h"
#include "device/harness/TextUtf.h"
#include "skin/KeyTable.h"
#include "skin/AnsiCodePage.h"
#include "skin/LayoutEntryReader.h"
#include "skin/ResolutionEntryReader.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Attribute
{
    std::wstring name;
    std::wstring text;
};

// Feeds the attributes in order to a reader's store function, as the document walk
// does; false when an attribute ended the entry.
template <typename Target, typename Store>
bool Read(const std::vector<Attribute>& attributes, Target& target, Store store, const CAnsiCodePage& codePage)
{
    for (const Attribute& a : attributes)
    {
        if (!store(target, a.name.c_str(), a.text.data(), a.text.size(), codePage))
            return false;
    }
    return true;
}

const std::wstring kLong259(259, L'n');
const std::wstring kLong260(260, L'n');

struct ResolutionCase
{
    const char* pszWhat;
    std::vector<Attribute> attributes;
    int nId, nWidth, nHeight;
    std::wstring layout;
    const char* pszLanguage = "";  // the language's tag; empty: none named
};

class ResolutionEntryReading : public testing::TestWithParam<ResolutionCase> {};

TEST_P(ResolutionEntryReading, FillsTheEntry)
{
    const ResolutionCase& c = GetParam();
    CTestCodePage codePage;
    ResolutionEntry entry{};
    ASSERT_TRUE(Read(c.attributes, entry, StoreResolutionAttribute, codePage)) << c.pszWhat;
    EXPECT_EQ(c.nId, entry.ResolutionID) << c.pszWhat;
    EXPECT_EQ(c.nWidth, entry.Width) << c.pszWhat;
    EXPECT_EQ(c.nHeight, entry.Height) << c.pszWhat;
    EXPECT_EQ(c.layout, std::wstring(entry.LayoutFileName)) << c.pszWhat;
    EXPECT_EQ(std::string(c.pszLanguage), entry.Language.bNamed ? WordLanguageTag(entry.Language.language) : "")
        << c.pszWhat;
}

// How a number reads is SkinNumbersTest's; here, which field each attribute fills.
INSTANTIATE_TEST_SUITE_P(Table, ResolutionEntryReading, testing::Values(
    ResolutionCase{"all four",
                   {{L"ResolutionID", L"3"}, {L"Width", L"320"}, {L"Height", L"240"}, {L"LayoutFileName", L"qvga.xml"}},
                   3, 320, 240, L"qvga.xml"},
    ResolutionCase{"none", {}, 0, 0, 0, L""},
    ResolutionCase{"names are case-sensitive", {{L"height", L"240"}, {L"LAYOUTFILENAME", L"x.xml"}}, 0, 0, 0, L""},
    ResolutionCase{"the last of a repeated name wins", {{L"Height", L"240"}, {L"Height", L"480"}}, 0, 0, 480, L""},
    ResolutionCase{"digits outside the code page are no digits", {{L"Height", L"\xFF12\xFF14\xFF10"}}, 0, 0, 0, L""},
    ResolutionCase{"an embedded zero ends a number", {{L"Height", std::wstring(L"24\0" L"0", 4)}}, 0, 0, 24, L""},
    ResolutionCase{"a name of 259 units is kept", {{L"LayoutFileName", kLong259}}, 0, 0, 0, kLong259},
    ResolutionCase{"a name of 260 units is dropped", {{L"LayoutFileName", kLong260}}, 0, 0, 0, L""},
    ResolutionCase{"a dropped name replaces a good one", {{L"LayoutFileName", L"a.xml"}, {L"LayoutFileName", kLong260}},
                   0, 0, 0, L""},
    ResolutionCase{"layout names keep characters outside the code page", {{L"LayoutFileName", L"\x20AC.xml"}},
                   0, 0, 0, L"\x20AC.xml"},
    ResolutionCase{"unknown attributes are ignored", {{L"Colour", L"red"}, {L"", L"1"}, {L"Height", L"240"}},
                   0, 0, 240, L""},
    ResolutionCase{"a language", {{L"Height", L"480"}, {L"language", L"it"}, {L"Language", L"fr"}}, 0, 0, 480, L"",
                   "fr"},
    ResolutionCase{"a code of no word list names none, also after one that did",
                   {{L"Language", L"de"}, {L"Language", L"nl"}}, 0, 0, 0, L""}));

struct LayoutCase
{
    const char* pszWhat;
    std::vector<Attribute> attributes;
    LayoutValues expected;
};

LayoutValues Values(std::initializer_list<int> numbers, bool bNamed = false, const wchar_t* pszName = L"",
                    const wchar_t* pszAlternates = L"")
{
    LayoutValues v{};
    int* fields[] = {&v.nBackgroundWidth, &v.nBackgroundHeight, &v.nOrientationValue,
                     &v.nLeft, &v.nTop, &v.nWidth, &v.nHeight};
    size_t i = 0;
    for (int n : numbers)
        *fields[i++] = n;
    v.bBitmapNamed = bNamed;
    std::wcsncpy(v.szBitmapName, pszName, kBitmapNameUnits - 1);
    std::wcsncpy(v.szAlternates, pszAlternates, kMaxAlternates);
    return v;
}

// Every field, in one comparable (and printable) value.
auto Fields(const LayoutValues& v)
{
    return std::make_tuple(v.nBackgroundWidth, v.nBackgroundHeight, v.nOrientationValue, v.nLeft, v.nTop,
                           v.nWidth, v.nHeight,
                           v.bBitmapNamed, Narrow(v.szBitmapName), Narrow(v.szAlternates));
}

class LayoutEntryValues : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutEntryValues, StoresEachAttributeInItsField)
{
    const LayoutCase& c = GetParam();
    CTestCodePage codePage;
    LayoutValues values{};
    ASSERT_TRUE(Read(c.attributes, values, StoreLayoutAttribute, codePage)) << c.pszWhat;
    EXPECT_EQ(Fields(c.expected), Fields(values)) << c.pszWhat;
}

INSTANTIATE_TEST_SUITE_P(Table, LayoutEntryValues, testing::Values(
    LayoutCase{"background entry",
               {{L"DefaultBackgroundValue", L"7"}, {L"BackgroundWidth", L"320"}, {L"BackgroundHeight", L"240"},
                {L"ValidateWidth", L"1"}, {L"ValidateHeight", L"2"}},
               Values({320, 240})},
    LayoutCase{"orientation entry", {{L"OrientationValue", L"4"}}, Values({0, 0, 4})},
    LayoutCase{"key entry",
               {{L"Left", L"10"}, {L"Top", L"20"}, {L"Width", L"30"}, {L"Height", L"40"}, {L"DefaultPath", L"q.bmp"}},
               Values({0, 0, 0, 10, 20, 30, 40}, true, L"q.bmp")},
    LayoutCase{"the last of a repeated name wins", {{L"Left", L"1"}, {L"Left", L"-2"}},
               Values({0, 0, 0, -2})},
    LayoutCase{"names are case-sensitive", {{L"left", L"1"}, {L"defaultpath", L"a.bmp"}, {L"alternates", L"a"}},
               Values({})},
    // A key's own characters are what it types, not a file name: no code page on the way.
    LayoutCase{"alternates keep every character", {{L"Alternates", L"\x00E9\x0151\x20AC"}},
               Values({}, false, L"", L"\x00E9\x0151\x20AC")},
    LayoutCase{"a pair or a lone half takes no cell and no place in the 15",
               {{L"Alternates", std::wstring(13, L'a') + L"\xD83D\xDE00\xDE00" L"bcd"}},
               Values({}, false, L"", (std::wstring(13, L'a') + L"bc").c_str())},
    LayoutCase{"an embedded zero ends the alternates", {{L"Alternates", std::wstring(L"ab\0c", 4)}},
               Values({}, false, L"", L"ab")},
    LayoutCase{"a bitmap name travels through the code page", {{L"DefaultPath", L"\x20AC\x00FC.bmp"}},
               Values({}, true, L"?\x00FC.bmp")},
    LayoutCase{"an empty bitmap name is still named", {{L"DefaultPath", L""}}, Values({}, true, L"")},
    LayoutCase{"a one-letter bitmap name", {{L"DefaultPath", L"a"}}, Values({}, true, L"a")},
    LayoutCase{"a bitmap name of 259 units is kept", {{L"DefaultPath", kLong259}}, Values({}, true, kLong259.c_str())},
    LayoutCase{"a bitmap name of 260 units is dropped, not cut", {{L"DefaultPath", kLong260}}, Values({}, true, L"")},
    LayoutCase{"a dropped bitmap name replaces a good one", {{L"DefaultPath", L"a.bmp"}, {L"DefaultPath", kLong260}},
               Values({}, true, L"")},
    LayoutCase{"an embedded zero ends a bitmap name", {{L"DefaultPath", std::wstring(L"a.bmp\0.exe", 10)}},
               Values({}, true, L"a.bmp")}));

// Only a text that needs a conversion which runs out of memory ends an entry, there and then.
TEST(EntryReaders, FailedConversionEndsTheEntryAtThatAttribute)
{
    CTestCodePage outOfMemory(true);
    ResolutionEntry entry{};
    // A layout file name needs no conversion and is stored; a number needs one.
    EXPECT_TRUE(StoreResolutionAttribute(entry, L"LayoutFileName", L"a.xml", 5, outOfMemory));
    EXPECT_FALSE(StoreResolutionAttribute(entry, L"Height", L"240", 3, outOfMemory));
    EXPECT_EQ(0, entry.Height);
    EXPECT_EQ(std::wstring(L"a.xml"), entry.LayoutFileName);

    LayoutValues values{};
    EXPECT_FALSE(StoreLayoutAttribute(values, L"Left", L"10", 2, outOfMemory));
    EXPECT_FALSE(StoreLayoutAttribute(values, L"DefaultPath", L"a.bmp", 5, outOfMemory));
    EXPECT_EQ(0, values.nLeft);
    EXPECT_EQ(L'\0', values.szBitmapName[0]);
    EXPECT_TRUE(StoreLayoutAttribute(values, L"Colour", L"red", 3, outOfMemory));
    EXPECT_TRUE(StoreLayoutAttribute(values, L"Alternates", L"\x00E9", 1, outOfMemory));
}

TEST(LayoutEntryValues, ANameNeverGoesIntoAMissingOrEmptyBuffer)
{
    CTestCodePage codePage;
    wchar_t buffer[1] = {L'#'};
    EXPECT_EQ(NameTrip::TooLong, RoundTripName(codePage, L"a", 1, buffer, 0));
    EXPECT_EQ(L'#', buffer[0]);
    EXPECT_EQ(NameTrip::TooLong, RoundTripName(codePage, L"a", 1, nullptr, 1));
}

struct ClassifyCase
{
    const wchar_t* pszEntry;
    LayoutEntryKind kind;
    int nKey;
};

class LayoutEntryNames : public testing::TestWithParam<ClassifyCase> {};

TEST_P(LayoutEntryNames, NameTheirTarget)
{
    const ClassifyCase& c = GetParam();
    const LayoutEntryTarget target = ClassifyLayoutEntry(c.pszEntry);
    EXPECT_EQ(static_cast<int>(c.kind), static_cast<int>(target.kind))
        << (c.pszEntry ? std::string(c.pszEntry, c.pszEntry + std::wcslen(c.pszEntry)) : "(null)");
    EXPECT_EQ(c.nKey, target.nKey);
}

INSTANTIATE_TEST_SUITE_P(Table, LayoutEntryNames, testing::Values(
    ClassifyCase{L"DefaultBackground", LayoutEntryKind::DefaultBackground, KEY_NONE},
    ClassifyCase{L"Orientation", LayoutEntryKind::Orientation, KEY_NONE},
    ClassifyCase{L"CharBackground", LayoutEntryKind::CharBackground, KEY_NONE},
    ClassifyCase{L"char_editview", LayoutEntryKind::EditView, KEY_NONE},
    ClassifyCase{L"char_wordview", LayoutEntryKind::WordView, KEY_NONE},
    ClassifyCase{L"char_WordView", LayoutEntryKind::Ignored, KEY_NONE},
    ClassifyCase{L"char_A", LayoutEntryKind::Key, 0},
    ClassifyCase{L"char_a", LayoutEntryKind::Ignored, KEY_NONE},
    ClassifyCase{nullptr, LayoutEntryKind::Ignored, KEY_NONE}));

}  // namespace
