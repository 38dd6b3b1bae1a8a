#include "WordsTestSupport.h"

#include "words/UserWords.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <map>

namespace {

const std::map<WordLanguage, Bytes>& Dictionaries()
{
    static const std::map<WordLanguage, Bytes> s_dictionaries = {
        {WordLanguage::English,
         CompileDictionary(WordLanguage::English,
                           {{L"the", 222}, {L"to", 215}, {L"I", 210}, {L"in", 209}, {L"this", 200}, {L"they", 190},
                            {L"that", 192}, {L"their", 185}, {L"don't", 185}, {L"I'll", 164}, {L"ill", 112},
                            {L"illegal", 100}, {L"café", 90}, {L"cafeteria", 80}, {L"Paris", 120}, {L"bill", 150},
                            {L"Bill", 140}, {L"Xerxes", 0}, {L"xenon", 60}, {L"zebra", 30}},
                           {{L"ill", L"I'll", 256}})},
        {WordLanguage::German,
         CompileDictionary(WordLanguage::German,
                           {{L"schon", 170}, {L"schön", 160}, {L"Straße", 150}, {L"über", 200}, {L"Ärger", 100}})},
        {WordLanguage::Spanish,
         CompileDictionary(WordLanguage::Spanish, {{L"año", 200}, {L"ano", 10}, {L"canción", 100}})},
        {WordLanguage::French, CompileDictionary(WordLanguage::French, {{L"cœur", 150}, {L"l'homme", 120}})},
    };
    return s_dictionaries;
}

struct SuggestCase
{
    WordLanguage language;
    const wchar_t* pszTyped;
    int nMax;
    std::vector<std::string> expected;
};

class Suggestions : public testing::TestWithParam<SuggestCase> {};

TEST_P(Suggestions, AreTheBestWordsInTheirCase)
{
    const SuggestCase& c = GetParam();
    CDictionary dictionary;
    ASSERT_TRUE(OpenDictionary(dictionary, Dictionaries().at(c.language)));
    CWordSuggester suggester(dictionary);
    EXPECT_EQ(c.expected, Suggested(suggester, nullptr, c.pszTyped, c.nMax)) << Narrow(c.pszTyped);
}

const SuggestCase g_aSuggest[] = {
    {WordLanguage::English, L"t", 3, {"the", "to", "this"}},
    {WordLanguage::English, L"th", 4, {"the", "this", "that", "they"}},
    {WordLanguage::English, L"Th", 4, {"The", "This", "That", "They"}},
    {WordLanguage::English, L"TH", 2, {"THE", "THIS"}},
    {WordLanguage::English, L"tH", 1, {"the"}},              // one capital, not the first: as listed
    {WordLanguage::English, L"the", 4, {"they", "their"}},   // "the" itself is what is typed
    {WordLanguage::English, L"ill", 3, {"I'll", "illegal"}}, // the shortcut first, "ill" is typed
    {WordLanguage::English, L"i", 2, {"I", "in"}},           // a word keeps its own capital
    {WordLanguage::English, L"pa", 1, {"Paris"}},
    {WordLanguage::English, L"PA", 1, {"PARIS"}},
    {WordLanguage::English, L"bi", 4, {"bill", "Bill"}},
    {WordLanguage::English, L"Bi", 4, {"Bill"}},             // "bill" capitalised is "Bill": once
    {WordLanguage::English, L"cafe", 4, {"café", "cafeteria"}},
    {WordLanguage::English, L"dont", 4, {"don't"}},
    {WordLanguage::English, L"don't", 4, {}},
    {WordLanguage::English, L"xe", 4, {"xenon"}},            // "Xerxes" only typed in full
    {WordLanguage::English, L"xerxes", 4, {"Xerxes"}},
    {WordLanguage::English, L"q", 4, {}},
    {WordLanguage::German, L"scho", 4, {"schon", "schön"}},
    {WordLanguage::German, L"schoe", 4, {"schön"}},
    {WordLanguage::German, L"strasse", 4, {"Straße"}},
    {WordLanguage::German, L"stras", 4, {"Straße"}},         // half of "ss"
    {WordLanguage::German, L"ueb", 4, {"über"}},
    {WordLanguage::German, L"Aer", 4, {"Ärger"}},
    {WordLanguage::Spanish, L"an", 4, {"ano"}},              // ñ has a key of its own
    {WordLanguage::Spanish, L"añ", 4, {"año"}},
    {WordLanguage::Spanish, L"cancion", 4, {"canción"}},
    {WordLanguage::French, L"coe", 4, {"cœur"}},
    {WordLanguage::French, L"lho", 4, {"l'homme"}},
};

INSTANTIATE_TEST_SUITE_P(Table, Suggestions, testing::ValuesIn(g_aSuggest));

class UserWordsFirst : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(OpenDictionary(m_dictionary, Dictionaries().at(WordLanguage::English))); }

    std::vector<std::string> Offered(const wchar_t* pszTyped, int nMax = 4)
    {
        return Suggested(m_suggester, &m_userWords, pszTyped, nMax);
    }

    CDictionary m_dictionary;
    CWordSuggester m_suggester{m_dictionary};
    CUserWords m_userWords;
};

TEST_F(UserWordsFirst, ANewWordIsOfferedAfterItsSecondUse)
{
    m_suggester.LearnFromText(m_userWords, L"zarn. Zarn, zebra", 17);
    EXPECT_EQ((std::vector<std::string>{"zarn", "zebra"}), Offered(L"z"));
    EXPECT_EQ((std::vector<std::string>{"Zarn", "Zebra"}), Offered(L"Z"));
    m_suggester.LearnFromText(m_userWords, L"zulu", 4);
    EXPECT_EQ((std::vector<std::string>{"zarn", "zebra"}), Offered(L"z"));
}

TEST_F(UserWordsFirst, ChosenWordsComeFirstMostUsedThenLatest)
{
    WordSuggestion chosen = {};
    std::wcscpy(chosen.szStored, L"their");
    m_suggester.LearnFromChoice(m_userWords, chosen);
    EXPECT_EQ((std::vector<std::string>{"their", "the", "this"}), Offered(L"th", 3));
    std::wcscpy(chosen.szStored, L"they");
    m_suggester.LearnFromChoice(m_userWords, chosen);
    EXPECT_EQ((std::vector<std::string>{"they", "their", "the"}), Offered(L"th", 3));
    m_suggester.LearnFromChoice(m_userWords, chosen);
    m_suggester.LearnFromChoice(m_userWords, chosen);
    ASSERT_TRUE(m_userWords.Forget(L"THEY", 4));
    EXPECT_EQ((std::vector<std::string>{"their", "the"}), Offered(L"th", 2));
}

TEST_F(UserWordsFirst, OnlyUnknownWordsAreLearntFromText)
{
    // Known words (any case or accent), single letters and words touching digits are
    // not; of a word with an apostrophe or a hyphen, the unknown parts are.
    const wchar_t* pszText = L"The cafe, x mp3 2nd Zarn's don't zarn-ill.";
    m_suggester.LearnFromText(m_userWords, pszText, std::wcslen(pszText));
    ASSERT_EQ(1u, m_userWords.Count());
    EXPECT_STREQ(L"zarn", m_userWords.At(0).szWord);
    EXPECT_EQ(2u, m_userWords.At(0).nUses);
    // A chosen word the list lacks is counted when its text is delivered, not here.
    WordSuggestion chosen = {};
    std::wcscpy(chosen.szStored, L"zarn");
    m_suggester.LearnFromChoice(m_userWords, chosen);
    EXPECT_EQ(2u, m_userWords.At(0).nUses);
}

}  // namespace
