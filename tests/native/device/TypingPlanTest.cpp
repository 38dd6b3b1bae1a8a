#include "device/TypingKeys.h"
#include "device/TypingPlan.h"

#include "common/TextUtf.h"
#include "keyboard/KeyModel.h"

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

// The device's keyboard is written apart from the product's; every tap of every key in
// every state must type and change what the product's keyboard does, and a key of
// another view cannot be tapped at all.
TEST(ApplyKey, TypesAndChangesStateLikeTheKeyboard)
{
    for (int nView = 1; nView <= 3; ++nView)
        for (int nCaps = 0; nCaps < 2; ++nCaps)
            for (int nShift = 0; nShift < 2; ++nShift)
                for (int nKey = 0; nKey < TYPING_KEY_COUNT; ++nKey)
                {
                    SCOPED_TRACE(testing::Message() << "view " << nView << " caps " << nCaps << " shift "
                                                    << nShift << " key " << nKey);
                    const KeyboardState before{nView, nCaps != 0, nShift != 0};
                    KeyboardState state = before;
                    const std::wstring typed = ApplyKey(state, nKey);
                    if (GetDefaultKeyView(nKey) != VIEW_ALL && GetDefaultKeyView(nKey) != nView)
                    {
                        EXPECT_EQ(L"", typed);
                        EXPECT_EQ(before, state);
                        continue;
                    }
                    g_nCurrentView = nView;
                    g_bCapsLock = nCaps;
                    g_bShift = nShift;
                    const KeyOutcome outcome = ApplyKeyAction(nKey);
                    EXPECT_EQ(outcome.pszText != nullptr ? outcome.pszText : L"", typed);
                    EXPECT_EQ(g_nCurrentView, state.nView);
                    EXPECT_EQ(g_bCapsLock != 0, state.bCapsLock);
                    EXPECT_EQ(g_bShift != 0, state.bShift);
                }
    g_nCurrentView = VIEW_CHAR;
    g_bCapsLock = g_bShift = 0;
}

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

// The device knows the keys by the names, indices and views of the keyboard's own table.
TEST(TypingKeys, NamesIndicesAndViewsMatchTheKeyboardsTable)
{
    for (int i = 0; i < TYPING_KEY_COUNT; ++i)
    {
        EXPECT_EQ(Narrow(FindKeyInfo(i)->pszEntry), GetTypingKey(i)->pszName) << i;
        EXPECT_EQ(FindKeyInfo(i)->nView, GetTypingKey(i)->nView) << i;
        EXPECT_EQ(i, FindTypingKey(GetTypingKey(i)->pszName)) << i;
    }
    EXPECT_EQ(KEY_COUNT, TYPING_KEY_COUNT);
    EXPECT_EQ(-1, FindTypingKey("char_a"));
    EXPECT_EQ(nullptr, GetTypingKey(84));
    EXPECT_EQ(nullptr, GetTypingKey(-1));
}

}  // namespace
