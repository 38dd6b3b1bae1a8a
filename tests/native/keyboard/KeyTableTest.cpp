#include "keyboard/KeyTable.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>

namespace {

std::wstring Text(const wchar_t* psz) { return psz != nullptr ? std::wstring(psz) : L"(none)"; }

TEST(KeyTable, EveryIndexHasItsOwnEntryFoundBackByExactName)
{
    std::set<std::wstring> names;
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const KeyInfo* pKey = FindKeyInfo(i);
        ASSERT_NE(nullptr, pKey) << i;
        EXPECT_EQ(i, pKey->nIndex);
        EXPECT_TRUE(names.insert(pKey->pszEntry).second) << "index " << i;
        EXPECT_EQ(i, FindKeyByEntry(pKey->pszEntry)) << "index " << i;
    }
    // Names match whole and case-sensitively; the named areas are no keys.
    for (const wchar_t* psz : {L"char_q", L"CHAR_A", L"char_A ", L"char_", L"", L"char_editview"})
        EXPECT_EQ(KEY_NONE, FindKeyByEntry(psz)) << psz;
    EXPECT_EQ(KEY_NONE, FindKeyByEntry(nullptr));
    for (int i : {-2147483647 - 1, -1, KEY_COUNT, 2147483647})
    {
        EXPECT_EQ(nullptr, FindKeyInfo(i)) << i;
        EXPECT_EQ(0, GetDefaultKeyView(i)) << i;
    }
}

TEST(KeyTable, ViewsAndLettersFollowTheIndexRanges)
{
    struct Range { int nFirst; int nLast; int nView; };
    const Range ranges[] = {{0, 29, VIEW_CHAR}, {30, 37, VIEW_ALL}, {38, 53, VIEW_NUMBER},
                            {54, 83, VIEW_SYMBOL}};
    for (const Range& r : ranges)
        for (int i = r.nFirst; i <= r.nLast; ++i)
            EXPECT_EQ(r.nView, GetDefaultKeyView(i)) << "index " << i;
    for (int i = 0; i < KEY_COUNT; ++i)
        EXPECT_EQ(i >= KEY_A && i <= KEY_Z, FindKeyInfo(i)->kind == KeyKind::Letter) << "index " << i;
}

struct TextCase { int nIndex; KeyKind kind; const wchar_t* pszText; const wchar_t* pszShifted;
                  const wchar_t* pszLabel; };

TEST(KeyTable, KeysTypeAndShowWhatTheyMean)
{
    const TextCase cases[] = {
        {0, KeyKind::Letter, L"a", L"A", L"a"},
        {25, KeyKind::Letter, L"z", L"Z", L"z"},
        {26, KeyKind::Punctuation, L",", L"@", L","},
        {29, KeyKind::Punctuation, L"!", L"'", L"!"},
        {30, KeyKind::Ok, nullptr, nullptr, nullptr},
        {31, KeyKind::Character, L" ", L" ", nullptr},
        {32, KeyKind::NumberViewKey, nullptr, nullptr, nullptr},
        {33, KeyKind::SymbolViewKey, nullptr, nullptr, nullptr},
        {34, KeyKind::CapsLock, nullptr, nullptr, nullptr},
        {35, KeyKind::Enter, L"\r\n", L"\r\n", nullptr},
        {36, KeyKind::Shift, nullptr, nullptr, nullptr},
        {37, KeyKind::Backspace, nullptr, nullptr, nullptr},
        {38, KeyKind::Character, L"0", L"0", L"0"},
        {57, KeyKind::Character, L"&", L"&", L"&&"},
        {68, KeyKind::Character, L"\\", L"\\", L"\\"},
        {83, KeyKind::Character, L"(", L"(", L"("},
    };
    for (const TextCase& c : cases)
    {
        const KeyInfo* pKey = FindKeyInfo(c.nIndex);
        EXPECT_EQ(c.kind, pKey->kind) << c.nIndex;
        EXPECT_EQ(Text(c.pszText), Text(pKey->pszText)) << c.nIndex;
        EXPECT_EQ(Text(c.pszShifted), Text(pKey->pszShifted)) << c.nIndex;
        EXPECT_EQ(Text(c.pszLabel), Text(pKey->pszLabel)) << c.nIndex;
    }
}

}  // namespace
