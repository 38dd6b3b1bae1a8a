#include "skin/KeyTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// What each key types, shows and does is checked where it is used: the key model, and
// every tap in every state against the device's own table (tests/native/device).
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
        EXPECT_EQ(i >= KEY_A && i <= KEY_Z, pKey->kind == KeyKind::Letter) << "index " << i;
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

}  // namespace
