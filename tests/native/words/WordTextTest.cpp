#include "device/harness/TextUtf.h"
#include "words/CaseRule.h"
#include "words/Letters.h"
#include "words/TypedWord.h"
#include "words/WordSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Letters, PairTheirCasesAcrossTheScripts)
{
    const std::wstring lower = L"a\u00e0\u00fe\u00ff\u0101\u013a\u0142\u014b\u017e\u0219\u03c3\u0436\u0451";
    const std::wstring upper = L"A\u00c0\u00de\u0178\u0100\u0139\u0141\u014a\u017d\u0218\u03a3\u0416\u0401";
    for (std::size_t i = 0; i < lower.size(); ++i)
    {
        EXPECT_EQ(upper[i], UpperLetter(lower[i])) << i;
        EXPECT_EQ(lower[i], LowerLetter(upper[i])) << i;
    }
    // No pair: ß, ı and ĸ have no capital of their own on the keys, İ lowers to i.
    EXPECT_EQ(L'\u00df', UpperLetter(L'\u00df'));
    EXPECT_EQ(L'I', UpperLetter(L'\u0131'));
    EXPECT_EQ(L'\u0138', UpperLetter(L'\u0138'));
    EXPECT_EQ(L'i', LowerLetter(L'\u0130'));
    EXPECT_FALSE(IsWordLetter(L'\u00d7'));
    EXPECT_FALSE(IsWordLetter(L'3'));
    EXPECT_FALSE(IsWordLetter(L'\''));
}

struct StartCase
{
    const wchar_t* pszText;
    std::size_t nCaret;
    std::size_t nStart;
};

class TypedWordStartCases : public testing::TestWithParam<StartCase> {};

TEST_P(TypedWordStartCases, IsTheRunOfLettersBeforeTheCaret)
{
    EXPECT_EQ(GetParam().nStart, TypedWordStart(GetParam().pszText, GetParam().nCaret)) << Narrow(GetParam().pszText);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedWordStartCases, testing::Values(
    StartCase{L"Hello wor", 9, 6}, StartCase{L"Hello wor", 7, 6}, StartCase{L"caf\u00e9", 4, 0},
    StartCase{L"line\r\nne", 8, 6}, StartCase{L"l'hom", 5, 2}, StartCase{L"x-ray", 5, 2},
    StartCase{L"2nd", 3, 3}, StartCase{L"end.", 4, 4}, StartCase{L"", 0, 0}));

TEST(NextTextWord, GivesWordsWithTheirApostrophesAndSkipsThoseWithDigits)
{
    const std::wstring text = L"Hi, don't mp3 2nd x-ray -no- l'homme\u2019s end";
    std::vector<std::string> words;
    std::size_t nPos = 0, nStart = 0, nWord = 0;
    while (NextTextWord(text.c_str(), text.size(), nPos, nStart, nWord))
        words.push_back(Narrow(text.substr(nStart, nWord)));
    EXPECT_EQ((std::vector<std::string>{"Hi", "don't", "x-ray", "no", "l'homme\u2019s", "end"}), words);
}

struct CaseRuleCase
{
    const wchar_t* pszTyped;
    const wchar_t* pszWord;
    const wchar_t* pszExpected;
};

class CaseRuleCases : public testing::TestWithParam<CaseRuleCase> {};

TEST_P(CaseRuleCases, FollowsWhatWasTyped)
{
    std::wstring word = GetParam().pszWord;
    ApplyTypedCase(GetParam().pszTyped, std::wcslen(GetParam().pszTyped), &word[0]);
    EXPECT_EQ(Narrow(GetParam().pszExpected), Narrow(word));
}

INSTANTIATE_TEST_SUITE_P(Words, CaseRuleCases, testing::Values(
    CaseRuleCase{L"t", L"the", L"the"}, CaseRuleCase{L"T", L"the", L"The"}, CaseRuleCase{L"TH", L"the", L"THE"},
    CaseRuleCase{L"tH", L"the", L"the"}, CaseRuleCase{L"p", L"Paris", L"Paris"},
    CaseRuleCase{L"\u00c4r", L"\u00e4rger", L"\u00c4rger"}, CaseRuleCase{L"STR", L"stra\u00dfe", L"STRA\u00dfE"},
    CaseRuleCase{L"I", L"iPhone", L"IPhone"}));

TEST(WordSettings, ClampEachValueIntoItsRange)
{
    WordSettings settings;
    settings.nAfterLetters = 0;
    settings.nWords = 9;
    settings.list = static_cast<WordList>(6);
    const WordSettings clamped = ClampWordSettings(settings);
    EXPECT_EQ(1u, clamped.nAfterLetters);
    EXPECT_EQ(4u, clamped.nWords);
    EXPECT_EQ(WordList::Automatic, clamped.list);
    settings = WordSettings();
    settings.bSuggest = false;
    settings.nAfterLetters = 4;
    settings.list = WordList::Italiano;
    const WordSettings kept = ClampWordSettings(settings);
    EXPECT_FALSE(kept.bSuggest);
    EXPECT_EQ(4u, kept.nAfterLetters);
    EXPECT_EQ(3u, kept.nWords);
    EXPECT_TRUE(kept.bSpaceAfterWord && kept.bLearn);
    EXPECT_EQ(WordList::Italiano, kept.list);
}

TEST(WordSettings, AutomaticFollowsTheDevicesLanguage)
{
    EXPECT_EQ(WordLanguage::German, LanguageOfWordList(WordList::Automatic, 0x0407));
    EXPECT_EQ(WordLanguage::French, LanguageOfWordList(WordList::Automatic, 0x0C0C));  // French (Canada)
    EXPECT_EQ(WordLanguage::Spanish, LanguageOfWordList(WordList::Automatic, 0x0C0A));
    EXPECT_EQ(WordLanguage::Italian, LanguageOfWordList(WordList::Automatic, 0x0410));
    EXPECT_EQ(WordLanguage::English, LanguageOfWordList(WordList::Automatic, 0x0413));  // Dutch: none of ours
    EXPECT_EQ(WordLanguage::Spanish, LanguageOfWordList(WordList::Espanol, 0x0407));
    EXPECT_EQ(WordLanguage::English, LanguageOfWordList(WordList::English, 0x040C));
}

}  // namespace
