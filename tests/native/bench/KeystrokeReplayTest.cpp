#include "KeystrokeReplay.h"

#include "DictionaryWriter.h"
#include "words/Dictionary.h"
#include "words/WordSuggestions.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TapsCase
{
    const wchar_t* pszText;
    std::size_t nTaps;
};

class TapsToTypeCases : public testing::TestWithParam<TapsCase> {};

TEST_P(TapsToTypeCases, CountShiftsAndViews)
{
    EXPECT_EQ(GetParam().nTaps, TapsToType(GetParam().pszText, std::wcslen(GetParam().pszText)));
}

INSTANTIATE_TEST_SUITE_P(Texts, TapsToTypeCases, testing::Values(
    TapsCase{L"ab", 2}, TapsCase{L"Ab", 3}, TapsCase{L"AB", 4}, TapsCase{L"ABCD", 6}, TapsCase{L"a1b", 5},
    TapsCase{L"(c)", 7}, TapsCase{L"\u00c9t\u00e9", 4}, TapsCase{L"a, b?\n", 6}));

TEST(ReflowAsTyped, JoinsTheLinesOfAParagraph)
{
    EXPECT_EQ(L"Title\nline one line two", ReflowAsTyped(L"  Title\n \n  line  one\n\tline two\n"));
}

TEST(ReplayWithSuggestions, TapsTheWordAsSoonAsItIsShown)
{
    DictionarySource source;
    source.words = {{L"hello", 200}, {L"help", 100}, {L"world", 150}};
    DictionaryFigures figures;
    const std::vector<std::uint8_t> bytes = WriteDictionary(source, figures);
    std::unique_ptr<std::uint8_t[]> pBytes(new std::uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), pBytes.get());
    CDictionary dictionary;
    ASSERT_TRUE(dictionary.Open(std::move(pBytes), bytes.size()));
    CWordSuggester suggester(dictionary);
    // Typed: shift h, then "Hello"; w, then "world"; h, then "hello": 20 taps without.
    const std::wstring text = L"Hello world, hello.";
    const struct
    {
        SpaceAfterWord space;
        std::size_t nTaps;  // the space after "Hello" saved; before "," and "." a backspace, or nothing
    } cases[] = {{SpaceAfterWord::Backspace, 12}, {SpaceAfterWord::TakenBack, 10}, {SpaceAfterWord::None, 11}};
    for (const auto& c : cases)
    {
        const ReplayFigures replay = ReplayWithSuggestions(suggester, text, {1, 3, c.space});
        EXPECT_EQ(20u, replay.nTapsTyped);
        EXPECT_EQ(c.nTaps, replay.nTapsWithSuggestions) << static_cast<int>(c.space);
        EXPECT_EQ(3u, replay.nWordsChosen);
    }
    // After 2 letters "he" offers "hello" and "help"; "wo" offers "world".
    EXPECT_EQ(15u, ReplayWithSuggestions(suggester, text, {2, 3, SpaceAfterWord::Backspace}).nTapsWithSuggestions);
}

}  // namespace
