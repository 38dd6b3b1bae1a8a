#include "device/TypingKeys.h"
#include "device/TypingPlan.h"

#include <gtest/gtest.h>

namespace {

KeyAvailability AllKeys()
{
    KeyAvailability all;
    all.fill(true);
    return all;
}

std::vector<std::string> Names(const std::vector<int>& aKeys)
{
    std::vector<std::string> names;
    for (int nKey : aKeys)
        names.push_back(GetTypingKey(nKey)->pszName);
    return names;
}

// Taps the planned keys on a fresh model and returns what they typed.
std::wstring Play(const std::vector<int>& aKeys, KeyboardState state)
{
    std::wstring typed;
    for (int nKey : aKeys)
        typed += ApplyKey(state, nKey);
    return typed;
}

struct KeyCase { KeyboardState before; const char* pszKey; const wchar_t* pszTyped; KeyboardState after; };

class ApplyKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ApplyKeyTest, TypesAndChangesStateLikeTheKeyboard)
{
    const KeyCase& c = GetParam();
    KeyboardState state = c.before;
    EXPECT_EQ(std::wstring(c.pszTyped), ApplyKey(state, FindTypingKey(c.pszKey))) << c.pszKey;
    EXPECT_EQ(c.after.nView, state.nView) << c.pszKey;
    EXPECT_EQ(c.after.bCapsLock, state.bCapsLock) << c.pszKey;
    EXPECT_EQ(c.after.bShift, state.bShift) << c.pszKey;
}

INSTANTIATE_TEST_SUITE_P(Table, ApplyKeyTest, testing::Values(
    KeyCase{{1, false, false}, "char_A", L"a", {1, false, false}},
    KeyCase{{1, true, false}, "char_A", L"A", {1, true, false}},
    KeyCase{{1, false, true}, "char_A", L"A", {1, false, false}},
    KeyCase{{1, true, true}, "char_A", L"a", {1, true, false}},
    KeyCase{{1, true, false}, "char_comma", L",", {1, true, false}},
    KeyCase{{1, false, true}, "char_comma", L"@", {1, false, false}},
    KeyCase{{1, false, true}, "char_dot", L"-", {1, false, false}},
    KeyCase{{1, false, true}, "char_question", L"\"", {1, false, false}},
    KeyCase{{1, false, true}, "char_exclamation", L"'", {1, false, false}},
    KeyCase{{1, false, true}, "char_enter", L"\r\n", {1, false, true}},
    KeyCase{{3, false, true}, "number_1", L"1", {3, false, false}},
    KeyCase{{2, false, false}, "symbol_and", L"&", {2, false, false}},
    KeyCase{{1, false, false}, "number_1", L"", {1, false, false}},      // not in this view
    KeyCase{{2, false, false}, "char_A", L"", {2, false, false}},
    KeyCase{{1, false, false}, "char_123", L"", {3, false, false}},
    KeyCase{{3, false, false}, "char_123", L"", {1, false, false}},
    KeyCase{{2, false, false}, "char_123", L"", {3, false, false}},
    KeyCase{{1, false, false}, "char_at", L"", {2, false, false}},
    KeyCase{{2, false, false}, "char_at", L"", {1, false, false}},
    KeyCase{{3, false, false}, "char_at", L"", {2, false, false}},
    KeyCase{{1, false, true}, "char_caps", L"", {1, true, true}},
    KeyCase{{1, false, true}, "char_shift", L"", {1, false, false}},
    KeyCase{{2, false, true}, "char_space", L" ", {2, false, false}},
    KeyCase{{1, false, true}, "char_ok", L"", {1, false, true}}));

// The keys a finger taps: shift for one capital, caps lock when it is on, the
// number view and back for digits, the enter key for a line break of either kind.
TEST(PlanTyping, TapsTheFewestKeysForTheText)
{
    const struct { const wchar_t* pszText; KeyboardState start; std::vector<std::string> keys; } cases[] = {
        {L"Hello, world!", {}, {"char_shift", "char_H", "char_E", "char_L", "char_L", "char_O", "char_comma",
                                "char_space", "char_W", "char_O", "char_R", "char_L", "char_D", "char_exclamation"}},
        {L"AB", {1, true, false}, {"char_A", "char_B"}},
        {L"a1b", {}, {"char_A", "char_123", "number_1", "char_123", "char_B"}},
        {L"a\nb\r\nc", {}, {"char_A", "char_enter", "char_B", "char_enter", "char_C"}},
    };
    for (const auto& c : cases)
    {
        const TypingPlan plan = PlanTyping(c.pszText, c.start, AllKeys());
        ASSERT_TRUE(plan.bComplete) << c.pszText;
        EXPECT_EQ(c.keys, Names(plan.aKeys)) << c.pszText;
    }
}

TEST(PlanTyping, ReportsTheFirstCharacterNoKeyTypes)
{
    KeyAvailability keys = AllKeys();
    keys[FindTypingKey("char_shift")] = false;
    keys[FindTypingKey("char_caps")] = false;
    const TypingPlan plan = PlanTyping(L"ab C", KeyboardState{}, keys);
    EXPECT_FALSE(plan.bComplete);
    EXPECT_EQ(3u, plan.nFailedAt);

    EXPECT_FALSE(PlanTyping(L"\x00e9", KeyboardState{}, AllKeys()).bComplete);
}

TEST(PlanTyping, FindsAnotherKeyWhenOneIsMissing)
{
    KeyAvailability keys = AllKeys();
    keys[FindTypingKey("char_exclamation")] = false;
    const TypingPlan plan = PlanTyping(L"!", KeyboardState{}, keys);
    ASSERT_TRUE(plan.bComplete);
    EXPECT_EQ((std::vector<std::string>{"char_at", "symbol_exclamation"}), Names(plan.aKeys));
}

// Whatever the keyboard remembers from earlier, the plan types exactly the text.
TEST(PlanTyping, PlaysBackToTheSameTextFromEveryState)
{
    const std::wstring texts[] = {L"Hello, world!", L"Second line", L"MiXeD cAsE 123 + 4 = 127",
                                  L"#$%&@[]`+/_!*-\\|?.,^><\"'}{;:)(", L"e-mail: me@example.com\nbye",
                                  L"\"quoted\" 'single'", L"  spaces  "};
    for (int nView = 1; nView <= 3; ++nView)
        for (int nCaps = 0; nCaps < 2; ++nCaps)
            for (int nShift = 0; nShift < 2; ++nShift)
                for (const std::wstring& text : texts)
                {
                    const KeyboardState start{nView, nCaps != 0, nShift != 0};
                    const TypingPlan plan = PlanTyping(text, start, AllKeys());
                    ASSERT_TRUE(plan.bComplete);
                    std::wstring expected;
                    for (wchar_t ch : text)
                        expected += ch == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, ch);
                    EXPECT_EQ(expected, Play(plan.aKeys, start)) << "view " << nView << " caps " << nCaps;
                    KeyboardState end = start;
                    for (int nKey : plan.aKeys)
                        ApplyKey(end, nKey);
                    EXPECT_EQ(plan.finalState, end);
                }
}

TEST(TypingKeys, NamesAndIndicesMatchTheSkinEntries)
{
    EXPECT_EQ(0, FindTypingKey("char_A"));
    EXPECT_EQ(25, FindTypingKey("char_Z"));
    EXPECT_EQ(16, FindTypingKey("char_Q"));
    EXPECT_EQ(30, FindTypingKey("char_ok"));
    EXPECT_EQ(37, FindTypingKey("char_backspace"));
    EXPECT_EQ(38, FindTypingKey("number_0"));
    EXPECT_EQ(47, FindTypingKey("number_9"));
    EXPECT_EQ(57, FindTypingKey("symbol_and"));
    EXPECT_EQ(83, FindTypingKey("symbol_left_parenthesis"));
    EXPECT_EQ(-1, FindTypingKey("char_a"));
    EXPECT_EQ(nullptr, GetTypingKey(84));
    for (int i = 0; i < TYPING_KEY_COUNT; ++i)
        EXPECT_EQ(i, FindTypingKey(GetTypingKey(i)->pszName)) << "every name is unique";
}

}  // namespace
