#include "settings/ByteStreams.h"
#include "settings/OptionsFormat.h"

#include "device/harness/TextUtf.h"

#include <gtest/gtest.h>

#include <string>
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

// The file a first load writes: left-handed, "Silver.xml".
const Bytes kDefaultFile = {0x01, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00, 0x00,
                            'S', 0, 'i', 0, 'l', 0, 'v', 0, 'e', 0, 'r', 0, '.', 0, 'x', 0, 'm', 0, 'l', 0};

struct ReadCase
{
    const char* pszName;
    Bytes file;
    std::uint32_t dwExpectedHabit;
    std::u16string expectedSkin;
    std::size_t nExpectedPosition;  // where the reading stopped: a refused name is not read
    bool bExpectedAccents = true;   // a file without the field, or with part of it, says on
};

// Memory before each read: habit 7, skin "Before.xml", accents off, so that
// "left alone" is told apart from "cleared".
class ReadOptionsTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadOptionsTest, GivesTheStoredOrSafeValues)
{
    const ReadCase& c = GetParam();
    std::uint32_t dwHabit = 7;
    char16_t szSkin[kSkinFileUnits] = u"Before.xml";
    bool bAccents = false;
    CMemoryByteSource source(c.file.data(), c.file.size());
    ReadOptionsFrom(source, dwHabit, szSkin, bAccents);
    EXPECT_EQ(c.dwExpectedHabit, dwHabit) << c.pszName;
    EXPECT_EQ(c.bExpectedAccents, bAccents) << c.pszName;
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
    ReadCase{"bytes after the accents ignored", Cat({kDefaultFile, Dword(0), Bytes{1, 2}}), 1, u"Silver.xml", 32,
             false},
    ReadCase{"empty file", Bytes{}, 0, u"", 0},
    ReadCase{"two bytes of habit", Bytes{0x02, 0x01}, 0x0102, u"", 2},
    ReadCase{"habit only", Dword(1), 1, u"", 4},
    ReadCase{"name cut short", Cut(kDefaultFile, 15), 1, u"Silv", 15},
    ReadCase{"name cut mid-unit", Cut(kDefaultFile, 14), 1, u"Sil", 14},
    ReadCase{"count 0", Cat({Dword(0), Dword(0)}), 0, u"", 8},
    ReadCase{"count 259 fits", Cat({Dword(1), Dword(259), Utf16(kName259)}), 1, kName259, 526},
    // A refused name hides where the accents are: they stay as they were.
    ReadCase{"count 260 refused", Cat({Dword(0), Dword(260), Utf16(kName259 + u"x")}), 0, u"Before.xml", 8, false},
    // 2 * 0x80000000 is 0 in 32 bits: must still be refused, not read as empty.
    ReadCase{"count 0x80000000 refused", Cat({Dword(1), Dword(0x80000000), Utf16(u"x")}), 1, u"Before.xml", 8,
             false},
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
};

class WriteOptionsTest : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteOptionsTest, WritesTheFileByteForByte)
{
    const WriteCase& c = GetParam();
    char16_t szSkin[kSkinFileUnits] = {};
    std::copy(c.skin.begin(), c.skin.end(), szSkin);
    CMemoryByteSink sink;
    EXPECT_TRUE(WriteOptionsTo(sink, c.dwHabit, szSkin, c.bAccents)) << c.pszName;
    EXPECT_EQ(Cat({c.expectedFile, Dword(c.bAccents ? 1 : 0)}), sink.Bytes()) << c.pszName;
    EXPECT_EQ(Utf16ToUtf8(c.expectedSkinAfter), Utf16ToUtf8(szSkin)) << c.pszName;
}

INSTANTIATE_TEST_SUITE_P(Table, WriteOptionsTest, testing::Values(
    WriteCase{"empty name becomes the default", 1, u"", kDefaultFile, u"Silver.xml"},
    WriteCase{"named skin", 0, u"Blue.xml", Cat({Dword(0), Dword(8), Utf16(u"Blue.xml")}), u"Blue.xml"},
    WriteCase{"habit written as held", 5, u"x", Cat({Dword(5), Dword(1), Utf16(u"x")}), u"x"},
    WriteCase{"accents off", 1, u"x", Cat({Dword(1), Dword(1), Utf16(u"x")}), u"x", false},
    WriteCase{"259 units", 1, kName259, Cat({Dword(1), Dword(259), Utf16(kName259)}), kName259}));

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
    EXPECT_FALSE(WriteOptionsTo(sink, 1, szSkin, true));
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
