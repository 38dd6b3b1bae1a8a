#include "sip/SplitLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// Runs SplitLine over a copy of the text the way the delivery does and
// collects every line it hands out.
std::vector<std::wstring> SplitAll(const std::wstring& text, const wchar_t* pszSeparator)
{
    std::vector<wchar_t> work(text.begin(), text.end());
    work.push_back(L'\0');
    std::vector<std::wstring> lines;
    wchar_t* pNext = nullptr;
    const wchar_t* pszLine = SplitLine(work.data(), pszSeparator, &pNext);
    lines.emplace_back(pszLine);
    while (pNext != nullptr)
    {
        pszLine = SplitLine(nullptr, pszSeparator, &pNext);
        lines.emplace_back(pszLine);
    }
    return lines;
}

struct SplitCase
{
    const char* pszWhat;
    std::wstring text;
    std::vector<std::wstring> lines;
    const wchar_t* pszSeparator = L"\r\n";
};

class SplitLineCases : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLineCases, HandsOutEveryLine)
{
    const SplitCase& c = GetParam();
    EXPECT_EQ(c.lines, SplitAll(c.text, c.pszSeparator)) << c.pszWhat;
}

const SplitCase g_aSplitCases[] = {
    {"no break", L"abc", {L"abc"}},
    {"empty line between", L"a\r\n\r\nb", {L"a", L"", L"b"}},
    {"only a break", L"\r\n", {L"", L""}},
    {"empty text", L"", {L""}},
    {"lone CR stays in the line", L"a\rb", {L"a\rb"}},
    {"CR before a break", L"a\r\r\nb", {L"a\r", L"b"}},
    {"three lines", L"one\r\ntwo\r\nthree", {L"one", L"two", L"three"}},
    {"a one-unit separator", L"a;;b", {L"a", L"", L"b"}, L";"},
    {"an empty separator never splits", L"abc", {L"abc"}, L""},
};

INSTANTIATE_TEST_SUITE_P(Texts, SplitLineCases, testing::ValuesIn(g_aSplitCases));

TEST(SplitLine, OverwritesTheSeparatorAndPointsPastIt)
{
    wchar_t szText[] = L"ab\r\ncd";
    wchar_t* pNext = nullptr;
    wchar_t* pszLine = SplitLine(szText, L"\r\n", &pNext);
    EXPECT_EQ(szText, pszLine);
    EXPECT_EQ(L'\0', szText[2]);
    EXPECT_EQ(L'\0', szText[3]);
    ASSERT_EQ(szText + 4, pNext);
    pszLine = SplitLine(nullptr, L"\r\n", &pNext);
    EXPECT_EQ(szText + 4, pszLine);
    EXPECT_EQ(nullptr, pNext);
    EXPECT_EQ(std::wstring(L"cd"), std::wstring(pszLine));
    EXPECT_EQ(nullptr, SplitLine(nullptr, L"\r\n", &pNext)) << "nothing left";
}

} // namespace
