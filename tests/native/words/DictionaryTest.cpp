#include "WordsTestSupport.h"

#include "words/UserWords.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// English: "a" 200, "at" 100, "be" 50, and the shortcut "Ab" -> "a-b".
Bytes SmallDictionary()
{
    return CompileDictionary(WordLanguage::English, {{L"a", 200}, {L"at", 100}, {L"be", 50}}, {{L"Ab", L"a-b", 256}});
}

TEST(DictionaryFile, IsWrittenByteForByte)
{
    const Bytes expected = {
        'B', 'V', 'W', 'D', 1, 0, 32, 0, 'e', 'n', 4, 0, 3, 0, 0, 0,  // version, header, language, alphabet, words
        40, 0, 0, 0, 56, 0, 0, 0, 68, 0, 0, 0, 0x05, 0x60, 0x1C, 0x5B,  // shortcuts, trie, size, CRC
        'a', 0, 'b', 0, 'e', 0, 't', 0,                                // characters 1 to 4
        1, 0, 4, 0, 2, 3, 'a', 0, 'b', 0, 'a', 0, '-', 0, 'b', 0,      // one shortcut: "ab" -> "a-b"
        // The root's group, 7 bytes: "a" (a word, best 255 - 55, its subtree 4 bytes), then
        // "be" (a leaf, step 150 in its own byte: 50); then the group of "a": "t" (a leaf, 100).
        7, 0xB7, 0x81, 4, 0x3F, 150, 0x02, 0x83,
        3, 0x3F, 100, 0x84};
    EXPECT_EQ(expected, SmallDictionary());
}

struct DamageCase
{
    const char* pszName;
    std::function<void(Bytes&)> damage;
    bool bSeal;                     // the checksum made right again
    bool bOpens;
    std::vector<std::string> fromA;  // suggestions for "a" and for "b" afterwards
    std::vector<std::string> fromB;
};

class DamagedDictionary : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedDictionary, GivesFewerWordsNeverAFault)
{
    const DamageCase& c = GetParam();
    Bytes bytes = SmallDictionary();
    c.damage(bytes);
    if (c.bSeal)
        bytes = Sealed(bytes);
    CDictionary dictionary;
    EXPECT_EQ(c.bOpens, OpenDictionary(dictionary, bytes)) << c.pszName;
    CWordSuggester suggester(dictionary);
    EXPECT_EQ(c.fromA, Suggested(suggester, nullptr, L"a")) << c.pszName;
    EXPECT_EQ(c.fromB, Suggested(suggester, nullptr, L"b")) << c.pszName;
}

const DamageCase g_aDamage[] = {
    {"whole", [](Bytes&) {}, false, true, {"at"}, {"be"}},
    {"empty", [](Bytes& b) { b.clear(); }, false, false, {}, {}},
    {"cut short by a byte", [](Bytes& b) { b.pop_back(); }, false, false, {}, {}},
    {"another magic", [](Bytes& b) { b[3] = 'X'; }, true, false, {}, {}},
    {"version 2", [](Bytes& b) { b[4] = 2; }, true, false, {}, {}},
    {"a language of none", [](Bytes& b) { b[9] = 'x'; }, true, false, {}, {}},
    {"a byte changed, checksum not", [](Bytes& b) { b[67] ^= 1; }, false, false, {}, {}},
    {"size field one more", [](Bytes& b) { b[24] = 69; }, true, false, {}, {}},
    {"trie past the end", [](Bytes& b) { b[20] = 68; }, true, false, {}, {}},
    {"shortcut longer than its section", [](Bytes& b) { b[44] = 9; }, true, false, {}, {}},
    {"root entry's step beyond its best", [](Bytes& b) { b[61] = 201; }, true, false, {}, {}},
    {"root entry's subtree beyond the file", [](Bytes& b) { b[59] = 5; }, true, false, {}, {}},
    {"a child's step beyond its best", [](Bytes& b) { b[66] = 201; }, true, true, {}, {"be"}},
    {"a child's character beyond the alphabet", [](Bytes& b) { b[67] = 0x85; }, true, true, {}, {"be"}},
    {"a child's label without its end", [](Bytes& b) { b[67] = 0x04; }, true, true, {}, {"be"}},
    {"a child group of no bytes", [](Bytes& b) { b[64] = 0; }, true, true, {}, {"be"}},
    {"a child group larger than its subtree", [](Bytes& b) { b[64] = 4; }, true, true, {}, {"be"}},
};

INSTANTIATE_TEST_SUITE_P(Table, DamagedDictionary, testing::ValuesIn(g_aDamage));

TEST(DictionaryFile, WithoutOneNothingIsKnownOrLearnt)
{
    CDictionary dictionary;
    CWordSuggester suggester(dictionary);
    CUserWords userWords;
    suggester.LearnFromText(userWords, L"zarn zarn", 9);
    EXPECT_FALSE(suggester.Knows(L"a", 1));
    EXPECT_EQ(0u, userWords.Count());
    EXPECT_TRUE(Suggested(suggester, &userWords, L"z").empty());
}

}  // namespace
