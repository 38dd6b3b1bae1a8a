#include "settings/ByteStreams.h"
#include "settings/OptionsFormat.h"

#include "device/harness/TextUtf.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Dword(std::uint32_t v)
{
    return Bytes{static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                 static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

Bytes Utf16(const std::u16string& s)
{
    Bytes out;
    for (char16_t ch : s)
    {
        out.push_back(static_cast<unsigned char>(ch & 0xFF));
        out.push_back(static_cast<unsigned char>(ch >> 8));
    }
    return out;
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Cut(Bytes b, std::size_t n)
{
    b.resize(n);
    return b;
}

// The file a first load wrote before accents and words: left-handed, "Silver.xml".
const Bytes kDefaultFile = {0x01, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00, 0x00,
                            'S', 0, 'i', 0, 'l', 0, 'v', 0, 'e', 0, 'r', 0, '.', 0, 'x', 0, 'm', 0, 'l', 0};

const WordSettings kDefaultWords;
// The word settings' bytes as the defaults write them.
const Bytes kDefaultWordBytes = {1, 2, 3, 1, 1, 0};
// In memory before each read, none of them a default.
const WordSettings kWordsBefore = {false, 4, 1, false, false, WordList::Italiano};

auto Fields(const WordSettings& w)
{
    return std::make_tuple(w.bSuggest, w.nAfterLetters, w.nWords, w.bSpaceAfterWord, w.bLearn, w.list);
}

struct ReadCase
{
    const char* pszName;
    Bytes file;
    std::uint32_t dwExpectedHabit;
    std::u16string expectedSkin;
    std::size_t nExpectedPosition;  // where the reading stopped: a refused name is not read
    bool bExpectedAccents = true;   // a file without the field, or with part of it, says on
    WordSettings expectedWords = kDefaultWords;  // each field that is not there, its default
};

// Memory before each read: habit 7, skin "Before.xml", accents off and no word
// setting at its default, so that "left alone" is told apart from "cleared".
class ReadOptionsTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadOptionsTest, GivesTheStoredOrSafeValues)
{
    const ReadCase& c = GetParam();
    std::uint32_t dwHabit = 7;
    char16_t szSkin[kSkinFileUnits] = u"Before.xml";
    bool bAccents = false;
    WordSettings words = kWordsBefore;
    CMemoryByteSource source(c.file.data(), c.file.size());
    ReadOptionsFrom(source, dwHabit, szSkin, bAccents, words);
    EXPECT_EQ(c.dwExpectedHabit, dwHabit) << c.pszName;
    EXPECT_EQ(c.bExpectedAccents, bAccents) << c.pszName;
    EXPECT_EQ(Fields(c.expectedWords), Fields(words)) << c.pszName;
    EXPECT_EQ(Utf16ToUtf8(c.expectedSkin), Utf16ToUtf8(szSkin)) << c.pszName;
    EXPECT_EQ(c.nExpectedPosition, source.Position()) << c.pszName;
}

const std::u16string kName259(259, u'n');

INSTANTIATE_TEST_SUITE_P(Table, ReadOptionsTest, testing::Values(
    ReadCase{"default file", kDefaultFile, 1, u"Silver.xml", 28},
    ReadCase{"right-handed, other skin", Cat({Dword(0), Dword(8), Utf16(u"Blue.xml")}), 0, u"Blue.xml", 24},
    ReadCase{"any non-zero habit is kept as read", Cat({Dword(0xDEADBEEF), Dword(1), Utf16(u"a")}), 0xDEADBEEF,
             u"a", 10},
    ReadCase{"accents off", Cat({kDefaultFile, Dword(0)}), 1, u"Silver.xml", 32, false},
    ReadCase{"accents: any non-zero is on", Cat({kDefaultFile, Dword(0x01000000)}), 1, u"Silver.xml", 32},
    ReadCase{"accents cut short", Cat({kDefaultFile, Bytes{0, 0, 0}}), 1, u"Silver.xml", 31},
    ReadCase{"words, and bytes after them ignored", Cat({kDefaultFile, Dword(1), Bytes{0, 3, 4, 0, 1, 2, 7, 7}}), 1,
             u"Silver.xml", 38, true, {false, 3, 4, false, true, WordList::Deutsch}},
    ReadCase{"words cut after two fields", Cat({kDefaultFile, Dword(0), Bytes{0, 1}}), 1, u"Silver.xml", 34, false,
             {false, 1, 3, true, true, WordList::Automatic}},
    ReadCase{"words out of range: the nearest value", Cat({kDefaultFile, Dword(1), Bytes{7, 0, 9, 2, 0xFE, 6}}), 1,
             u"Silver.xml", 38, true, {true, 1, 4, true, true, WordList::Automatic}},
    ReadCase{"words: 0xFF is no value", Cat({kDefaultFile, Dword(1), Bytes{0xFF, 0xFF, 1, 0xFF, 0, 0xFF}}), 1,
             u"Silver.xml", 38, true, {true, 2, 1, true, false, WordList::Automatic}},
    ReadCase{"empty file", Bytes{}, 0, u"", 0},
    ReadCase{"two bytes of habit", Bytes{0x02, 0x01}, 0x0102, u"", 2},
    ReadCase{"habit only", Dword(1), 1, u"", 4},
    ReadCase{"name cut short", Cut(kDefaultFile, 15), 1, u"Silv", 15},
    ReadCase{"name cut mid-unit", Cut(kDefaultFile, 14), 1, u"Sil", 14},
    ReadCase{"count 0", Cat({Dword(0), Dword(0)}), 0, u"", 8},
    ReadCase{"count 259 fits", Cat({Dword(1), Dword(259), Utf16(kName259)}), 1, kName259, 526},
    // A refused name hides where the accents and words are: they stay as they were.
    ReadCase{"count 260 refused", Cat({Dword(0), Dword(260), Utf16(kName259 + u"x")}), 0, u"Before.xml", 8, false,
             kWordsBefore},
    // 2 * 0x80000000 is 0 in 32 bits: must still be refused, not read as empty.
    ReadCase{"count 0x80000000 refused", Cat({Dword(1), Dword(0x80000000), Utf16(u"x")}), 1, u"Before.xml", 8,
             false, kWordsBefore},
    ReadCase{"embedded zero ends the name", Cat({Dword(1), Dword(3), Utf16(std::u16string(u"a\0b", 3)), Dword(0)}),
             1, u"a", 18, false}));

struct WriteCase
{
    const char* pszName;
    std::uint32_t dwHabit;
    std::u16string skin;
    Bytes expectedFile;             // up to the name: what earlier versions wrote
    std::u16string expectedSkinAfter;
    bool bAccents = true;
    WordSettings words = kDefaultWords;
    Bytes expectedWordBytes = kDefaultWordBytes;
};

class WriteOptionsTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteOptionsTest, WritesTheFileByteForByte)
{
    const WriteCase& c = GetParam();
    char16_t szSkin[kSkinFileUnits] = {};
    std::copy(c.skin.begin(), c.skin.end(), szSkin);
    CMemoryByteSink sink;
    EXPECT_TRUE(WriteOptionsTo(sink, c.dwHabit, szSkin, c.bAccents, c.words)) << c.pszName;
    EXPECT_EQ(Cat({c.expectedFile, Dword(c.bAccents ? 1 : 0), c.expectedWordBytes}), sink.Bytes()) << c.pszName;
    EXPECT_EQ(Utf16ToUtf8(c.expectedSkinAfter), Utf16ToUtf8(szSkin)) << c.pszName;
}

INSTANTIATE_TEST_SUITE_P(Table, WriteOptionsTest, testing::Values(
    WriteCase{"empty name becomes the default", 1, u"", kDefaultFile, u"Silver.xml"},
    WriteCase{"named skin", 0, u"Blue.xml", Cat({Dword(0), Dword(8), Utf16(u"Blue.xml")}), u"Blue.xml"},
    WriteCase{"habit written as held", 5, u"x", Cat({Dword(5), Dword(1), Utf16(u"x")}), u"x"},
    WriteCase{"accents off", 1, u"x", Cat({Dword(1), Dword(1), Utf16(u"x")}), u"x", false},
    WriteCase{"259 units", 1, kName259, Cat({Dword(1), Dword(259), Utf16(kName259)}), kName259},
    WriteCase{"words", 1, u"x", Cat({Dword(1), Dword(1), Utf16(u"x")}), u"x", true,
              {false, 4, 1, false, true, WordList::Francais}, {0, 4, 1, 0, 1, 3}}));

// Earlier versions read the fields they know of a file this one writes, and stop there.
TEST(OptionsCompatibility, EarlierReadersReadTheirFieldsOfANewFile)
{
    char16_t szSkin[kSkinFileUnits] = u"French.xml";
    CMemoryByteSink sink;
    ASSERT_TRUE(WriteOptionsTo(sink, 0, szSkin, false, kWordsBefore));
    // The first version read the hand and the skin, the next one the accents after them;
    // the word settings follow, which neither reaches.
    CMemoryByteSource source(sink.Bytes().data(), sink.Bytes().size());
    std::uint32_t dwHabit = 7;
    char16_t szRead[kSkinFileUnits] = {};
    ASSERT_TRUE(ReadDwordFrom(source, dwHabit) && ReadStringFrom(source, szRead, kSkinFileBytes));
    EXPECT_EQ(std::make_tuple(0u, std::u16string(u"French.xml"), std::size_t(28)),
              std::make_tuple(dwHabit, std::u16string(szRead), source.Position()));
    bool bAccents = true;
    EXPECT_TRUE(ReadSwitchFrom(source, bAccents));
    EXPECT_EQ(std::make_tuple(false, std::size_t(32), std::size_t(38)),
              std::make_tuple(bAccents, source.Position(), sink.Bytes().size()));
}

TEST(WriteString, AFailedWriteIsReportedAndNothingFollowsIt)
{
    CMemoryByteSink countFails;
    countFails.FailFrom(0);
    EXPECT_FALSE(WriteStringTo(countFails, u"abc"));
    EXPECT_TRUE(countFails.Bytes().empty());
    CMemoryByteSink textFails;
    textFails.FailFrom(1);
    EXPECT_FALSE(WriteStringTo(textFails, u"abc"));
    EXPECT_EQ(Dword(3), textFails.Bytes());
}

TEST(WriteOptions, DefaultIsSubstitutedEvenWhenTheWriteFails)
{
    char16_t szSkin[kSkinFileUnits] = {};
    CMemoryByteSink sink;
    sink.FailFrom(0);
    EXPECT_FALSE(WriteOptionsTo(sink, 1, szSkin, true, kDefaultWords));
    EXPECT_EQ(u"Silver.xml", std::u16string(szSkin));
}

TEST(ReadDword, FailingSourceLeavesTheTargetAlone)
{
    struct CFailingSource { bool Read(void*, std::uint32_t) { return false; } } source;
    std::uint32_t dwTarget = 42;
    EXPECT_FALSE(ReadDwordFrom(source, dwTarget));
    EXPECT_EQ(42u, dwTarget);
    char16_t szBuffer[4] = u"ab";
    EXPECT_FALSE(ReadStringFrom(source, szBuffer, sizeof(szBuffer)));
    EXPECT_EQ(u"ab", std::u16string(szBuffer));
}

}  // namespace
