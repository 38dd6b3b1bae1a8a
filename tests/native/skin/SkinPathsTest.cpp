#include "skin/SkinPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Boundary cases; tests/fuzz/fuzz_skin_paths.cpp checks any names and capacities.
struct JoinCase { std::wstring folder; std::wstring name; size_t nCapacity; bool bOk; std::wstring expected; };

class SkinPathJoining : public testing::TestWithParam<JoinCase> {};

TEST_P(SkinPathJoining, JoinsOrFailsWithAnEmptyBuffer)
{
    const JoinCase& c = GetParam();
    std::wstring out(c.nCapacity + 4, L'#');
    EXPECT_EQ(c.bOk, JoinSkinPath(&out[0], c.nCapacity, c.folder.c_str(), c.name.c_str()));
    EXPECT_EQ(c.expected, std::wstring(out.c_str()));
    // Nothing is written past the capacity.
    EXPECT_EQ(std::wstring(4, L'#'), out.substr(c.nCapacity));
}

INSTANTIATE_TEST_SUITE_P(Table, SkinPathJoining, testing::Values(
    JoinCase{L"C:\\m\\skins", L"Silver.xml", 260, true, L"C:\\m\\skins\\Silver.xml"},
    JoinCase{L"ab", L"cd", 6, true, L"ab\\cd"},
    JoinCase{L"ab", L"cde", 6, false, L""},
    JoinCase{L"", L"", 1, false, L""},
    JoinCase{L"", L"", 2, true, L"\\"}));

TEST(SkinPathJoining, ExtendsAFolderInPlaceAndFailsOnNullInputs)
{
    wchar_t buffer[16] = L"dir";
    ASSERT_TRUE(JoinSkinPath(buffer, 16, buffer, L"file"));
    EXPECT_STREQ(L"dir\\file", buffer);
    EXPECT_FALSE(JoinSkinPath(buffer, 16, nullptr, L"a"));
    EXPECT_STREQ(L"", buffer);
    EXPECT_FALSE(JoinSkinPath(nullptr, 8, L"a", L"b"));
}

struct NameCase { std::wstring file; size_t nCapacity; bool bOk; std::wstring expected; };

class SkinNameCutting : public testing::TestWithParam<NameCase> {};

TEST_P(SkinNameCutting, CutsAtTheLastDot)
{
    const NameCase& c = GetParam();
    std::wstring out(c.nCapacity + 4, L'#');
    EXPECT_EQ(c.bOk, CopySkinName(&out[0], c.nCapacity, c.file.c_str()));
    EXPECT_EQ(c.expected, std::wstring(out.c_str()));
    EXPECT_EQ(std::wstring(4, L'#'), out.substr(c.nCapacity));
}

INSTANTIATE_TEST_SUITE_P(Table, SkinNameCutting, testing::Values(
    NameCase{L"Silver.xml", 260, true, L"Silver"}, NameCase{L"My.Skin.xml", 260, true, L"My.Skin"},
    NameCase{L"NoDot", 260, true, L"NoDot"}, NameCase{L".xml", 260, true, L""},
    NameCase{L"a.", 260, true, L"a"}, NameCase{L"abcd.xml", 5, true, L"abcd"},
    NameCase{L"abcde.xml", 5, false, L""}, NameCase{L"abcde", 5, false, L""}));

}  // namespace
