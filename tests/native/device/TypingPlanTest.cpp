#include "device/TypingKeys.h"
#include "device/TypingPlan.h"

#include "device/harness/TextUtf.h"
#include "keyboard/Alternates.h"
#include "keyboard/KeyModel.h"

#include <gtest/gtest.h>


// Found by argument lookup from inside gtest, so it lives beside KeyboardState.
bool operator==(const KeyboardState& a, const KeyboardState& b)
{
    return a.nView == b.nView && a.bCapsLock == b.bCapsLock && a.bShift == b.bShift;
}

namespace {

KeyAvailability AllKeys()
{
    KeyAvailability all;
    all.fill(true);
    return all;
}

// A tap by the key's name, a long press as "name/cell".
std::vector<std::string> Names(const std::vector<TypingStep>& aSteps)
{
    std::vector<std::string> names;
    for (const TypingStep& step : aSteps)
        names.push_back(GetTypingKey(step.nKey)->pszName +
                        (step.nCell < 0 ? std::string() : "/" + std::to_string(step.nCell)));
    return names;
}

// The long press on pszKey that takes the cell of small letter ch from the built-in alternates of base.
std::string Hold(const char* pszKey, wchar_t base, wchar_t ch)
{
    const AlternateList offered = FindBuiltInAlternates(base);
    for (int i = 0; i < offered.nCount; ++i)
        if (offered.aCells[i].chSmall == ch)
            return std::string(pszKey) + "/" + std::to_string(i);
    return std::string(pszKey) + "/none";
}

// Plays the planned steps from state and returns what they typed; state ends as the keyboard's would.
std::wstring Play(const std::vector<TypingStep>& aSteps, KeyboardState& state)
{
    std::wstring typed;
    for (const TypingStep& step : aSteps)
    {
        if (step.nCell < 0)
        {
            typed += ApplyKey(state, step.nKey);
            continue;
        }
        const AlternateList offered = OfferedAlternates(state, step.nKey, L"");
        EXPECT_EQ(offered.nCount, step.nCells);
        typed += ApplyAlternate(state, offered, step.nCell);
    }
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
        EXPECT_EQ(c.keys, Names(plan.aSteps)) << c.pszText;
    }
}

// A missing key is replaced by another that types the same; failing that, the plan
// reports the first character no key types.
TEST(PlanTyping, FindsAnotherKeyOrReportsTheFirstCharacterNoKeyTypes)
{
    KeyAvailability keys = AllKeys();
    keys[FindTypingKey("char_exclamation")] = false;
    const TypingPlan other = PlanTyping(L"!", KeyboardState{}, keys);
    ASSERT_TRUE(other.bComplete);
    EXPECT_EQ((std::vector<std::string>{"char_at", "symbol_exclamation"}), Names(other.aSteps));
    keys[FindTypingKey("char_shift")] = false;
    keys[FindTypingKey("char_caps")] = false;
    const TypingPlan plan = PlanTyping(L"ab C", KeyboardState{}, keys);
    EXPECT_FALSE(plan.bComplete);
    EXPECT_EQ(3u, plan.nFailedAt);
    EXPECT_FALSE(PlanTyping(L"\x4e2d", KeyboardState{}, AllKeys()).bComplete) << "no key offers it";
}

// Whatever the keyboard remembers from earlier, the plan types exactly the text.
TEST(PlanTyping, PlaysBackToTheSameTextFromEveryState)
{
    const std::wstring texts[] = {L"Hello, world!", L"Second line", L"MiXeD cAsE 123 + 4 = 127",
                                  L"#$%&@[]`+/_!*-\\|?.,^><\"'}{;:)(", L"e-mail: me@example.com\nbye",
                                  L"\"quoted\" 'single'", L"  spaces  ",
                                  L"Caf\u00e9, se\u00f1or! Gr\u00f6\u00dfe, \u0141\u00f3d\u017a, \u015fehir \u00c0",
                                  L"\u0130stanbul \u0131l\u0131k \u0130I\u0131i"};
    for (int nView = 1; nView <= 3; ++nView)
        for (int nCaps = 0; nCaps < 2; ++nCaps)
            for (int nShift = 0; nShift < 2; ++nShift)
                for (const std::wstring& text : texts)
                {
                    const KeyboardState start{nView, nCaps != 0, nShift != 0};
                    const TypingPlan plan = PlanTyping(text, start, AllKeys());
                    ASSERT_TRUE(plan.bComplete) << Narrow(text);
                    std::wstring expected;
                    for (wchar_t ch : text)
                        expected += ch == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, ch);
                    KeyboardState end = start;
                    EXPECT_EQ(expected, Play(plan.aSteps, end)) << "view " << nView << " caps " << nCaps;
                    EXPECT_EQ(plan.finalState, end);
                }
}

// A character no tap types is a long press on the key whose alternates hold it,
// reached the shortest way; shift or caps lock make the case rule give its case.
TEST(PlanTyping, HoldsTheKeyWhoseAlternatesHoldTheCharacter)
{
    const struct { const wchar_t* pszText; KeyboardState start; std::vector<std::string> steps; } cases[] = {
        {L"\u00e9", {}, {Hold("char_E", L'e', L'\u00e9')}},
        {L"\u00c0", {}, {"char_shift", Hold("char_A", L'a', L'\u00e0')}},
        {L"\u00c0\u00e0", {1, true, false},
         {Hold("char_A", L'a', L'\u00e0'), "char_shift", Hold("char_A", L'a', L'\u00e0')}},
        {L"\u00df", {1, false, true}, {Hold("char_S", L's', L'\u00df')}},   // no upper case: shift may stay
        {L"\u00f1", {3, false, false}, {"char_123", Hold("char_N", L'n', L'\u00f1')}},
        {L"e\u00e9", {}, {"char_E", Hold("char_E", L'e', L'\u00e9')}},
    };
    for (const auto& c : cases)
    {
        const TypingPlan plan = PlanTyping(c.pszText, c.start, AllKeys());
        ASSERT_TRUE(plan.bComplete) << Narrow(c.pszText);
        EXPECT_EQ(c.steps, Names(plan.aSteps)) << Narrow(c.pszText);
    }
    KeyAvailability noE = AllKeys();
    noE[FindTypingKey("char_E")] = false;
    EXPECT_FALSE(PlanTyping(L"\u00e9", KeyboardState{}, noE).bComplete) << "a key the skin does not place";
}

// A skin's own list replaces the key's built-in one, cut to the strip's length; a
// character of two UTF-16 units takes no cell.
TEST(PlanTyping, TakesASkinsOwnAlternatesInsteadOfTheBuiltInOnes)
{
    SkinAlternates own;
    own[FindTypingKey("char_E")] = L"\xD83D\xDE00\u20ac" + std::wstring(kMaxAlternates, L'x') + L"\u0259";
    TypingPlan plan = PlanTyping(L"\u20ac", KeyboardState{1, false, true}, AllKeys(), &own);
    ASSERT_TRUE(plan.bComplete);
    EXPECT_EQ((std::vector<std::string>{"char_E/0"}), Names(plan.aSteps));
    EXPECT_EQ(kMaxAlternates, plan.aSteps[0].nCells);
    EXPECT_FALSE(plan.finalState.bShift) << "lifting on a cell releases shift";
    EXPECT_FALSE(PlanTyping(L"\u0259", KeyboardState{}, AllKeys(), &own).bComplete) << "cut off the strip";
    EXPECT_FALSE(PlanTyping(L"\u00e9", KeyboardState{}, AllKeys(), &own).bComplete) << "the built-in list is gone";
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
