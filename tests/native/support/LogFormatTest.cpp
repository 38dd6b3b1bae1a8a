#include "support/LogFormat.h"

#include "device/harness/TextUtf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineCase
{
    const char* pszName;
    std::string timeStamp;
    unsigned long dwThread;
    int nIndent;
    std::string message;
    const char* pszSource;
    int nLine;
    bool bExpected;
    std::string expected;
};

class LogLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(LogLineTest, FormatsOrDropsTheWholeLine)
{
    const LineCase& c = GetParam();
    std::string line = "stale";
    EXPECT_EQ(c.bExpected, FormatLogLine(line, c.timeStamp, c.dwThread, c.nIndent, c.message.c_str(), c.pszSource,
                                         c.nLine)) << c.pszName;
    EXPECT_EQ(c.expected, line) << c.pszName;
}

const std::string kStamp = "09:05:07(123456789012)";
// The line without the message is 81 characters here, so 942 is the longest message that fits.
const char* const kSource = "C:\\src\\Brevanto\\sip\\SipPanel.cpp";
const std::string kFrame = kStamp + " thr 0x0000ABCD : " + "\t(from SipPanel.cpp,1234)\r\n";

INSTANTIATE_TEST_SUITE_P(Table, LogLineTest, testing::Values(
    LineCase{"plain", kStamp, 0xABCD, 0, "m_pBuffer is not NULL", kSource, 1234, true,
             kStamp + " thr 0x0000ABCD : m_pBuffer is not NULL\t(from SipPanel.cpp,1234)\r\n"},
    LineCase{"forward slashes are not cut", "t", 1, 0, "x", "/src/keyboard/KeyboardDialog.cpp", 3, true,
             "t thr 0x00000001 : x\t(from /src/keyboard/KeyboardDialog.cpp,3)\r\n"},
    LineCase{"no source set", "t", 1, 0, "x", nullptr, 0, true, "t thr 0x00000001 : x\t(from ,0)\r\n"},
    LineCase{"indent", "t", 1, 3, "x", "f", 1, true, "t thr 0x00000001 :    x\t(from f,1)\r\n"},
    LineCase{"negative indent", "t", 1, -5, "x", "f", 1, true, "t thr 0x00000001 : x\t(from f,1)\r\n"},
    LineCase{"indent clamped", "t", 1, 1000, "x", "f", 1, true,
             "t thr 0x00000001 : " + std::string(99, ' ') + "x\t(from f,1)\r\n"},
    LineCase{"percent kept as text", "t", 1, 0, "100% %s %n %d", "f", 1, true,
             "t thr 0x00000001 : 100% %s %n %d\t(from f,1)\r\n"},
    LineCase{"longest line that fits", kStamp, 0xABCD, 0, std::string(1023 - kFrame.size(), 'm'), kSource, 1234,
             true, kStamp + " thr 0x0000ABCD : " + std::string(1023 - kFrame.size(), 'm') +
                       "\t(from SipPanel.cpp,1234)\r\n"},
    LineCase{"one character more", kStamp, 0xABCD, 0, std::string(1024 - kFrame.size(), 'm'), kSource, 1234, false, ""}));

// The 1023-character limit is the log line's (above); an empty text is no failure.
TEST(LogText, AnEmptyTextFormats)
{
    std::string out = "stale";
    EXPECT_TRUE(FormatLogText(out, "%s", ""));
    EXPECT_EQ("", out);
}

struct StampCase { unsigned h, m, s; long long n; const char* pszExpected; };

TEST(LogTimeStamp, TwoDigitTimeAndRawCounter)
{
    const StampCase kCases[] = {
        {9, 5, 7, 123, "09:05:07(123)"},
        {23, 59, 59, 9223372036854775807LL, "23:59:59(9223372036854775807)"},
        {12, 0, 1, -5, "12:00:01(-5)"},
    };
    for (const StampCase& c : kCases)
        EXPECT_EQ(c.pszExpected, FormatLogTimeStamp(c.h, c.m, c.s, c.n));
}

TEST(LogHeader, ThreeMessages)
{
    EXPECT_EQ("=============================================", LogSeparatorText());
    EXPECT_EQ("Log is started on 05.03.2026, at 07:08:09:045",
              FormatLogStartText(LogClock{5, 3, 2026, 7, 8, 9, 45}));
    EXPECT_EQ("Executable: \\Program Files\\Host\\Host.exe (ProcID: 0x0000abcd), compile time: Dec 28 2010 16:08:21",
              FormatLogExecutableText("\\Program Files\\Host\\Host.exe", 0xABCD, "Dec 28 2010", "16:08:21"));
}

struct CounterCase
{
    const char* pszName;
    std::vector<long long> times;
    std::string expected;
};

class CounterTest : public testing::TestWithParam<CounterCase> {};

TEST_P(CounterTest, StatisticsText)
{
    const CounterCase& c = GetParam();
    LogCounterFigures figures{7, 0, 0, 0, 0};
    for (long long t : c.times)
        AddLogCounterTime(figures, t);
    EXPECT_EQ(c.expected, FormatLogCounterStatistics(figures)) << c.pszName;
}

std::string Stats(int n, long long mn, long long mx, long long total, long long avg)
{
    return "Counter 7 statistics\r\n\tCounts: " + std::to_string(n) + ",\r\n\tMinTime: " + std::to_string(mn) +
           " ms,\r\n\tMaxTime: " + std::to_string(mx) + " ms,\r\n\tTotalTime: " + std::to_string(total) +
           " ms,\r\n\tAverageTime: " + std::to_string(avg) + " ms";
}

INSTANTIATE_TEST_SUITE_P(Table, CounterTest, testing::Values(
    CounterCase{"nothing measured", {}, Stats(0, 0, 0, 0, 0)},
    CounterCase{"truncating average", {10, 3, 4}, Stats(3, 3, 10, 17, 5)},
    CounterCase{"large times", {5000000000LL, 1}, Stats(2, 1, 5000000000LL, 5000000001LL, 2500000000LL)},
    CounterCase{"first is not min", {9, 2, 11}, Stats(3, 2, 11, 22, 7)}));

struct NameCase { const char* pszName; std::u16string exe; bool bExpected; std::u16string expected; };

class LogFileNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(LogFileNameTest, NamedAfterTheExecutable)
{
    const NameCase& c = GetParam();
    // An exact-size copy without a terminator: nothing past the given length is read.
    const std::vector<char16_t> exe(c.exe.begin(), c.exe.end());
    char16_t szOut[260];
    std::fill(std::begin(szOut), std::end(szOut), u'#');
    const char16_t* pszExe = exe.empty() ? u"" : exe.data();
    EXPECT_EQ(c.bExpected, ComposeLogFileName(pszExe, exe.size(), szOut, 260)) << c.pszName;
    EXPECT_EQ(Utf16ToUtf8(c.expected), Utf16ToUtf8(szOut)) << c.pszName;
}

INSTANTIATE_TEST_SUITE_P(Table, LogFileNameTest, testing::Values(
    NameCase{"usual", u"\\Program Files\\Host\\Host.exe", true, u"\\Program Files\\Host\\Host_log.txt"},
    NameCase{"last dot", u"\\a\\b.c.exe", true, u"\\a\\b.c_log.txt"},
    NameCase{"no dot", u"\\Windows\\services", true, u"\\Windows\\services_log.txt"},
    NameCase{"dot only in a folder", u"\\My.Apps\\Host", true, u"\\My.Apps\\Host_log.txt"},
    NameCase{"trailing dot", u"\\a\\Host.", true, u"\\a\\Host_log.txt"},
    NameCase{"no folder", u"Host.exe", true, u"Host_log.txt"},
    NameCase{"nothing before the dot", u".exe", true, u"_log.txt"},
    NameCase{"fits exactly", u"\\" + std::u16string(250, u'h') + u".exe", true,
             u"\\" + std::u16string(250, u'h') + u"_log.txt"},
    NameCase{"one unit too long", u"\\" + std::u16string(251, u'h') + u".exe", false, u""},
    NameCase{"empty", u"", false, u""}));

}  // namespace
