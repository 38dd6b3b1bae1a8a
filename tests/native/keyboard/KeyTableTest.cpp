#include "keyboard/KeyTable.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>

namespace {

std::wstring Text(const wchar_t* psz) { return psz != nullptr ? std::wstring(psz) : L"(none)"; }

// Entry names spelled out independently of the table, in index order.
const wchar_t* const g_expectedEntries[KEY_COUNT] = {
    L"char_A", L"char_B", L"char_C", L"char_D", L"char_E", L"char_F", L"char_G", L"char_H",
    L"char_I", L"char_J", L"char_K", L"char_L", L"char_M", L"char_N", L"char_O", L"char_P",
    L"char_Q", L"char_R", L"char_S", L"char_T", L"char_U", L"char_V", L"char_W", L"char_X",
    L"char_Y", L"char_Z", L"char_comma", L"char_dot", L"char_question", L"char_exclamation",
    L"char_ok", L"char_space", L"char_123", L"char_at", L"char_caps", L"char_enter",
    L"char_shift", L"char_backspace",
    L"number_0", L"number_1", L"number_2", L"number_3", L"number_4", L"number_5", L"number_6",
    L"number_7", L"number_8", L"number_9", L"number_plus", L"number_minus", L"number_dot",
    L"number_equals", L"number_divide", L"number_multiply",
    L"symbol_hash", L"symbol_dollar", L"symbol_percent", L"symbol_and", L"symbol_at",
    L"symbol_left_square_bracket", L"symbol_right_square_bracket", L"symbol_acute",
    L"symbol_plus", L"symbol_forward_slash", L"symbol_underscore", L"symbol_exclamation",
    L"symbol_star", L"symbol_dash", L"symbol_backward_slash", L"symbol_pipe",
    L"symbol_question", L"symbol_dot", L"symbol_comma", L"symbol_caret",
    L"symbol_right_angle_bracket", L"symbol_left_angle_bracket", L"symbol_double_quotation",
    L"symbol_single_quotation", L"symbol_right_curly_bracket", L"symbol_left_curly_bracket",
    L"symbol_semicolon", L"symbol_colon", L"symbol_right_parenthesis",
    L"symbol_left_parenthesis"};

// The character each number and symbol key types, in index order from 38.
const wchar_t g_expectedSigns[] = L"0123456789+-.=/*#$%&@[]`+/_!*-\\|?.,^><\"'}{;:)(";

TEST(KeyTable, EveryIndexHasItsOwnEntryAndFindsItBack)
{
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyInfo* pKey = FindKeyInfo(i);
        ASSERT_NE(nullptr, pKey) << i;
        EXPECT_EQ(i, pKey->nIndex);
        EXPECT_STREQ(g_expectedEntries[i], pKey->pszEntry) << "index " << i;
        EXPECT_EQ(i, FindKeyByEntry(g_expectedEntries[i])) << "index " << i;
    }
}

TEST(KeyTable, ViewsFollowTheIndexRanges)
{
    struct Range { int nFirst; int nLast; int nView; };
    const Range ranges[] = {{0, 29, VIEW_CHAR}, {30, 37, VIEW_ALL}, {38, 53, VIEW_NUMBER},
                            {54, 83, VIEW_SYMBOL}};
    for (const Range& r : ranges)
        for (int i = r.nFirst; i <= r.nLast; ++i)
        {
            EXPECT_EQ(r.nView, FindKeyInfo(i)->nView) << "index " << i;
            EXPECT_EQ(r.nView, GetDefaultKeyView(i)) << "index " << i;
        }
}

TEST(KeyTable, IndicesOutsideTheTableHaveNoKey)
{
    for (int i : {-2147483647 - 1, -1, KEY_COUNT, KEY_COUNT + 1, 2147483647})
    {
        EXPECT_EQ(nullptr, FindKeyInfo(i)) << i;
        EXPECT_EQ(0, GetDefaultKeyView(i)) << i;
    }
}

struct EntryCase { const wchar_t* pszEntry; int nExpected; };

class KeyEntryLookup : public testing::TestWithParam<EntryCase> {};

TEST_P(KeyEntryLookup, MatchesExactlyAndCaseSensitively)
{
    EXPECT_EQ(GetParam().nExpected, FindKeyByEntry(GetParam().pszEntry))
        << "case " << testing::PrintToString(GetParam().nExpected);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyEntryLookup, testing::Values(
    EntryCase{L"char_Q", 16}, EntryCase{L"char_q", KEY_NONE}, EntryCase{L"char_a", KEY_NONE},
    EntryCase{L"CHAR_A", KEY_NONE}, EntryCase{L"char_A ", KEY_NONE}, EntryCase{L" char_A", KEY_NONE},
    EntryCase{L"char_", KEY_NONE}, EntryCase{L"", KEY_NONE}, EntryCase{nullptr, KEY_NONE},
    EntryCase{L"char_editview", KEY_NONE}, EntryCase{L"char_charview", KEY_NONE},
    EntryCase{L"DefaultBackground", KEY_NONE}, EntryCase{L"char_ok", KEY_OK},
    EntryCase{L"char_backspace", KEY_BACKSPACE}, EntryCase{L"symbol_and", KEY_SYMBOL_AND},
    EntryCase{L"symbol_left_parenthesis", 83}, EntryCase{L"number_0", KEY_NUMBER_FIRST}));

TEST(KeyTable, LettersTypeLowerCaseAndShiftToUpperCase)
{
    for (int i = KEY_A; i <= KEY_Z; ++i)
    {
        const KeyInfo* pKey = FindKeyInfo(i);
        const wchar_t lower[2] = {static_cast<wchar_t>(L'a' + i), 0};
        const wchar_t upper[2] = {static_cast<wchar_t>(L'A' + i), 0};
        EXPECT_EQ(KeyKind::Letter, pKey->kind) << i;
        EXPECT_STREQ(lower, pKey->pszText) << i;
        EXPECT_STREQ(upper, pKey->pszShifted) << i;
        EXPECT_STREQ(lower, pKey->pszLabel) << i;
    }
}

struct TextCase { int nIndex; KeyKind kind; const wchar_t* pszText; const wchar_t* pszShifted;
                  const wchar_t* pszLabel; };

class KeyTexts : public testing::TestWithParam<TextCase> {};

TEST_P(KeyTexts, TypeAndShowWhatTheKeyMeans)
{
    const TextCase& c = GetParam();
    const KeyInfo* pKey = FindKeyInfo(c.nIndex);
    ASSERT_NE(nullptr, pKey);
    EXPECT_EQ(c.kind, pKey->kind) << c.nIndex;
    EXPECT_EQ(Text(c.pszText), Text(pKey->pszText)) << c.nIndex;
    EXPECT_EQ(Text(c.pszShifted), Text(pKey->pszShifted)) << c.nIndex;
    EXPECT_EQ(Text(c.pszLabel), Text(pKey->pszLabel)) << c.nIndex;
}

INSTANTIATE_TEST_SUITE_P(Table, KeyTexts, testing::Values(
    TextCase{26, KeyKind::Punctuation, L",", L"@", L","},
    TextCase{27, KeyKind::Punctuation, L".", L"-", L"."},
    TextCase{28, KeyKind::Punctuation, L"?", L"\"", L"?"},
    TextCase{29, KeyKind::Punctuation, L"!", L"'", L"!"},
    TextCase{30, KeyKind::Ok, nullptr, nullptr, nullptr},
    TextCase{31, KeyKind::Character, L" ", L" ", nullptr},
    TextCase{32, KeyKind::NumberViewKey, nullptr, nullptr, nullptr},
    TextCase{33, KeyKind::SymbolViewKey, nullptr, nullptr, nullptr},
    TextCase{34, KeyKind::CapsLock, nullptr, nullptr, nullptr},
    TextCase{35, KeyKind::Enter, L"\r\n", L"\r\n", nullptr},
    TextCase{36, KeyKind::Shift, nullptr, nullptr, nullptr},
    TextCase{37, KeyKind::Backspace, nullptr, nullptr, nullptr},
    TextCase{57, KeyKind::Character, L"&", L"&", L"&&"}));

TEST(KeyTable, NumberAndSymbolKeysTypeOneSignWhateverTheShift)
{
    ASSERT_EQ(static_cast<size_t>(KEY_COUNT - KEY_NUMBER_FIRST), std::wcslen(g_expectedSigns));
    for (int i = KEY_NUMBER_FIRST; i < KEY_COUNT; ++i)
    {
        const KeyInfo* pKey = FindKeyInfo(i);
        const wchar_t sign[2] = {g_expectedSigns[i - KEY_NUMBER_FIRST], 0};
        EXPECT_EQ(KeyKind::Character, pKey->kind) << i;
        EXPECT_STREQ(sign, pKey->pszText) << "index " << i;
        EXPECT_STREQ(sign, pKey->pszShifted) << "index " << i;
        const wchar_t* pszLabel = i == KEY_SYMBOL_AND ? L"&&" : sign;
        EXPECT_STREQ(pszLabel, pKey->pszLabel) << "index " << i;
    }
}

TEST(KeyTable, EntryNamesAreUnique)
{
    std::set<std::wstring> names;
    for (int i = 0; i < KEY_COUNT; ++i)
        EXPECT_TRUE(names.insert(FindKeyInfo(i)->pszEntry).second) << "index " << i;
}

}  // namespace
