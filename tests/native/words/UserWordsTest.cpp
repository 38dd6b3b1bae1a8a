#include "WordsTestSupport.h"

#include "words/UserWords.h"
#include "words/UserWordsFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Put32(Bytes& out, std::uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
}

// A record as a reader of any version sees it; extra holds fields of later versions.
Bytes Record(const std::u16string& word, std::uint32_t nUses, std::uint32_t nLastUse, const Bytes& extra = {})
{
    Bytes record = {static_cast<std::uint8_t>(13 + 2 * word.size() + extra.size()), 0};
    Put32(record, nUses);
    Put32(record, nLastUse);
    record.push_back(static_cast<std::uint8_t>(word.size()));
    for (char16_t ch : word)
    {
        record.push_back(static_cast<std::uint8_t>(ch));
        record.push_back(static_cast<std::uint8_t>(ch >> 8));
    }
    record.insert(record.end(), extra.begin(), extra.end());
    Put32(record, Crc32(record.data(), record.size()));
    return record;
}

Bytes Header(std::uint32_t nClock, std::uint16_t nVersion = 1, const Bytes& extra = {})
{
    Bytes header = {'B', 'V', 'U', 'W', static_cast<std::uint8_t>(nVersion), 0,
                    static_cast<std::uint8_t>(12 + extra.size()), 0};
    Put32(header, nClock);
    header.insert(header.end(), extra.begin(), extra.end());
    return header;
}

Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// The words read, "word:uses:last use", in the store's order.
std::vector<std::string> Read(const Bytes& file)
{
    CUserWords words;
    const std::size_t nKept = ReadUserWords(file.data(), file.size(), words);
    std::vector<std::string> read;
    for (std::size_t i = 0; i < words.Count(); ++i)
        read.push_back(Narrow(words.At(i).szWord) + ":" + std::to_string(words.At(i).nUses) + ":" +
                       std::to_string(words.At(i).nLastUse));
    EXPECT_EQ(nKept, read.size());
    return read;
}

TEST(UserWordsFile, IsWrittenMostRecentFirstByteForByte)
{
    CUserWords words;
    words.CountUse(L"Zarn", 4);
    words.CountUse(L"Gr\u00fc\u00dfe", 5);
    words.CountUse(L"zarn", 4);
    Bytes file;
    ASSERT_TRUE(WriteUserWords(words, file));
    EXPECT_EQ(Cat({Header(3), Record(u"zarn", 2, 3), Record(u"Grüße", 1, 2)}), file);
}

struct ReadCase
{
    const char* pszName;
    Bytes file;
    std::vector<std::string> expected;
};

class ReadUserWordsFile : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadUserWordsFile, KeepsWhatIsWhole)
{
    EXPECT_EQ(GetParam().expected, Read(GetParam().file)) << GetParam().pszName;
}

const Bytes kTwo = Cat({Header(9), Record(u"one", 3, 9), Record(u"two", 1, 4)});

Bytes Flipped(Bytes bytes, std::size_t nAt)
{
    bytes[nAt] ^= 0x40;
    return bytes;
}

const ReadCase g_aRead[] = {
    {"two words", kTwo, {"one:3:9", "two:1:4"}},
    {"cut inside the second record", Bytes(kTwo.begin(), kTwo.end() - 1), {"one:3:9"}},
    {"cut inside the first record", Bytes(kTwo.begin(), kTwo.begin() + 20), {}},
    {"a changed byte ends the reading", Flipped(kTwo, 12 + 6), {}},
    {"a changed byte in the second", Flipped(kTwo, kTwo.size() - 6), {"one:3:9"}},
    {"later fields are skipped", Cat({Header(9, 2, {7, 7}), Record(u"one", 3, 9, {1, 2, 3}), Record(u"two", 1, 4)}),
     {"one:3:9", "two:1:4"}},
    {"another magic", Cat({Bytes{'B', 'V', 'U', 'X'}, Bytes(kTwo.begin() + 4, kTwo.end())}), {}},
    {"version 0", Cat({Header(9, 0), Record(u"one", 3, 9)}), {}},
    {"empty", Bytes{}, {}},
    {"no uses, twice the same word, a control character: passed over",
     Cat({Header(9), Record(u"zero", 0, 1), Record(u"One", 2, 5), Record(u"one", 3, 9), Record(u"a\tb", 1, 2),
          Record(u"two", 1, 4)}),
     {"One:2:5", "two:1:4"}},
    {"a word longer than any kept", Cat({Header(9), Record(std::u16string(49, u'x'), 1, 1), Record(u"two", 1, 4)}),
     {"two:1:4"}},
};

INSTANTIATE_TEST_SUITE_P(Table, ReadUserWordsFile, testing::ValuesIn(g_aRead));

TEST(UserWords, KeepTheFormWithFewestCapitalsAndCountEachUse)
{
    CUserWords words;
    for (const wchar_t* psz : {L"Hello", L"hello", L"HELLO"})
        ASSERT_TRUE(words.CountUse(psz, 5));
    ASSERT_EQ(1u, words.Count());
    EXPECT_STREQ(L"hello", words.At(0).szWord);
    EXPECT_EQ(3u, words.At(0).nUses);
    EXPECT_EQ(3u, words.At(0).nLastUse);
    EXPECT_FALSE(words.CountUse(L"", 0));
    EXPECT_FALSE(words.CountUse(std::wstring(49, L'x').c_str(), 49));
    EXPECT_FALSE(words.Forget(L"help", 4));
    EXPECT_TRUE(words.Forget(L"HeLLo", 5));
    EXPECT_EQ(0u, words.Count());
}

TEST(UserWords, ANewWordBeyondTheLastDropsTheLeastRecentlyUsed)
{
    CUserWords words;
    for (int i = 0; i < kMaxUserWords; ++i)
    {
        const std::wstring word = L"w" + std::to_wstring(i);
        words.CountUse(word.c_str(), word.size());
    }
    words.CountUse(L"w0", 2);  // now the most recent: w1 is the oldest
    words.CountUse(L"new", 3);
    EXPECT_EQ(static_cast<std::size_t>(kMaxUserWords), words.Count());
    EXPECT_EQ(nullptr, words.Find(L"w1", 2));
    EXPECT_NE(nullptr, words.Find(L"w0", 2));
    EXPECT_NE(nullptr, words.Find(L"NEW", 3));
}

TEST(UserWords, AtTheTopOfTheClockUsesAreRenumberedInOrder)
{
    CUserWords words;
    words.Restore(L"old", 3, 1, 7);
    words.Restore(L"late", 4, 1, UINT32_MAX);
    words.CountUse(L"next", 4);
    EXPECT_EQ(1u, words.Find(L"old", 3)->nLastUse);
    EXPECT_EQ(2u, words.Find(L"late", 4)->nLastUse);
    EXPECT_EQ(3u, words.Find(L"next", 4)->nLastUse);
}

}  // namespace
