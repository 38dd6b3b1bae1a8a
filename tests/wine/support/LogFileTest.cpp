#include "device/harness/FileBytes.h"
#include "device/harness/TextUtf.h"
#include "support/HostProcess.h"
#include "support/LogFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

// A line as the log writes it: time stamp, thread, message, source position.
const std::regex kLine(R"(^(\d\d):(\d\d):(\d\d)\((-?\d+)\) thr 0x([0-9A-F]{8}) : ([\s\S]*)\t\(from (.*),(\d+)\)$)");

struct LogLine
{
    std::string thread;
    std::string message;
    std::string source;
    int nLine;
};

// The log as it is now; the writer may still hold it open.
std::string ReadLog(const std::wstring& path)
{
    const FileBytes bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Splits a log into its lines (a line ends with CR LF and begins with a time
// stamp; a message may itself hold CR LF) and checks each one's shape.
std::vector<LogLine> ParseLog(const std::string& text)
{
    std::vector<LogLine> lines;
    std::string current;
    size_t nPos = 0;
    while (nPos < text.size())
    {
        const size_t nEnd = text.find("\r\n", nPos);
        if (nEnd == std::string::npos)
        {
            ADD_FAILURE() << "text after the last CR LF: " << text.substr(nPos);
            break;
        }
        const std::string piece = text.substr(nPos, nEnd - nPos);
        nPos = nEnd + 2;
        current = current.empty() ? piece : current + "\r\n" + piece;
        std::smatch m;
        if (std::regex_match(current, m, kLine))
        {
            lines.push_back(LogLine{m[5], m[6], m[7], std::stoi(m[8])});
            current.clear();
        }
    }
    EXPECT_TRUE(current.empty()) << "malformed line: " << current;
    return lines;
}

std::wstring HostLogPath()
{
    return TestProgramFolder() + L"\\LogHost_log.txt";
}

class LogHostRun : public testing::Test
{
protected:
    void SetUp() override { DeleteFileW(HostLogPath().c_str()); }
    void TearDown() override
    {
        DeleteFileW(HostLogPath().c_str());
        RemoveDirectoryW(HostLogPath().c_str());
    }

    std::vector<LogLine> RunAndRead(const std::wstring& arguments, DWORD* pdwProcessId = nullptr)
    {
        EXPECT_EQ(0, RunHost(L"LogHost.exe", arguments, pdwProcessId));
        m_text = ReadLog(HostLogPath());
        return ParseLog(m_text);
    }

    std::string m_text;
};

TEST_F(LogHostRun, HeaderThenTheTracedLinesThenLogFinished)
{
    RunAndRead(L"beta");
    DWORD dwProcessId = 0;
    const std::vector<LogLine> lines = RunAndRead(L"alpha", &dwProcessId);
    ASSERT_EQ(6u, lines.size()) << m_text;
    EXPECT_EQ(std::string::npos, m_text.find("beta")) << "a new run replaces the log";

    SYSTEMTIME st;
    GetLocalTime(&st);
    char szDate[16];
    snprintf(szDate, sizeof(szDate), "%02u.%02u.%04u", st.wDay, st.wMonth, st.wYear);
    EXPECT_TRUE(std::regex_match(lines[1].message,
                                 std::regex(std::string("Log is started on ") + szDate +
                                            R"(, at \d\d:\d\d:\d\d:\d\d\d)")))
        << lines[1].message;

    char szProcess[16];
    snprintf(szProcess, sizeof(szProcess), "0x%08lx", dwProcessId);
    const std::string executable = Narrow(TestProgramFolder() + L"\\LogHost.exe");
    const std::string prefix = "Executable: " + executable + " (ProcID: " + szProcess + "), compile time: ";
    EXPECT_EQ(prefix, lines[2].message.substr(0, prefix.size()));
    EXPECT_TRUE(std::regex_match(lines[2].message.substr(prefix.size()),
                                 std::regex(R"([A-Z][a-z]{2} [ 123]\d \d{4} \d\d:\d\d:\d\d)")))
        << lines[2].message;

    EXPECT_EQ("first line alpha", lines[3].message);
    // The message is text, not a format: '%' signs come out as they went in.
    EXPECT_EQ("second line 100% done %s %n", lines[4].message);

    // The header carries the position of the trace call that opened the log,
    // the closing line that of the last trace call.
    for (const LogLine& line : lines)
    {
        EXPECT_EQ(lines[0].thread, line.thread);
        EXPECT_EQ(std::string("LogHost.cpp"), line.source.substr(line.source.size() - 11)) << line.source;
    }
    for (int i : {0, 1, 2})
        EXPECT_EQ(lines[3].nLine, lines[i].nLine);
    EXPECT_LT(lines[3].nLine, lines[4].nLine);
    EXPECT_EQ(lines[4].nLine, lines[5].nLine);
}

TEST_F(LogHostRun, CountersReportTheirStatisticsLastRegisteredFirst)
{
    const std::vector<LogLine> lines = RunAndRead(L"counters");
    ASSERT_EQ(8u, lines.size()) << m_text;
    EXPECT_EQ("Counter 4 statistics\r\n\tCounts: 0,\r\n\tMinTime: 0 ms,\r\n\tMaxTime: 0 ms,\r\n"
              "\tTotalTime: 0 ms,\r\n\tAverageTime: 0 ms",
              lines[5].message);
    EXPECT_EQ("Counter 3 statistics\r\n\tCounts: 3,\r\n\tMinTime: 3 ms,\r\n\tMaxTime: 10 ms,\r\n"
              "\tTotalTime: 17 ms,\r\n\tAverageTime: 5 ms",
              lines[6].message);
    EXPECT_EQ("Log finished", lines[7].message);
}

TEST_F(LogHostRun, ThreadsRacingToTheFirstTraceMakeOneLog)
{
    const std::vector<LogLine> lines = RunAndRead(L"race");
    ASSERT_EQ(14u, lines.size()) << m_text;  // header, 8 racers, 2 lines, "Log finished"
    int nSeparators = 0;
    int nRacers = 0;
    for (const LogLine& line : lines)
    {
        nSeparators += line.message == std::string(45, '=');
        nRacers += line.message == "racer";
    }
    EXPECT_EQ(1, nSeparators);
    EXPECT_EQ(8, nRacers);
    EXPECT_EQ(std::string(45, '='), lines[0].message);
    EXPECT_EQ("Log finished", lines.back().message);
}

TEST_F(LogHostRun, ALogThatCannotBeCreatedIsSkippedQuietly)
{
    ASSERT_TRUE(CreateDirectoryW(HostLogPath().c_str(), nullptr));
    EXPECT_EQ(0, RunHost(L"LogHost.exe", L"blocked"));
    const DWORD dwAttributes = GetFileAttributesW(HostLogPath().c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, dwAttributes);
    EXPECT_TRUE(dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The test program's own log: it stays open until the program ends.
std::vector<LogLine> OwnLogLines()
{
    return ParseLog(ReadLog(TestProgramFolder() + L"\\brevanto_wine_tests_log.txt"));
}

// The formatting itself, and the dropping of a line too long for the log's
// buffer, are checked natively, and the device's log is read by the scenarios
// (# log-has); here, the wide entry point.
TEST(LogFile, FormatsWideMessages)
{
    CLogFile& log = CLogFile::Instance();
    ASSERT_TRUE(log.IsOpen());
    log.LogW(L"wide %d %ls", 7, L"caf\x00E9");
    const std::vector<LogLine> lines = OwnLogLines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const LogLine& line) {
        return line.message == "wide 7 caf\xE9" || line.message == "wide 7 caf?" || line.message == "wide 7 cafe";
    }));
}

TEST(LogFile, LinesFromManyThreadsAreAllKept)
{
    CLogFile::Instance();
    constexpr int kThreads = 6;
    constexpr int kLinesEach = 150;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < kLinesEach; ++i)
                LOG_MSG(("thread line " + std::to_string(t) + "/" + std::to_string(i)).c_str());
        });
    for (std::thread& thread : threads)
        thread.join();
    int nFound = 0;
    for (const LogLine& line : OwnLogLines())
        if (line.message.rfind("thread line ", 0) == 0)
            ++nFound;
    EXPECT_EQ(kThreads * kLinesEach, nFound);
}

// Keyboard.dll is unloaded, not ended with its process: the log and the font
// cache of a module must close and free at that moment.
TEST(ModuleUnload, ClosesTheLogAndDeletesTheFonts)
{
    const std::wstring logPath = TestProgramFolder() + L"\\ModuleHost_log.txt";
    DeleteFileW(logPath.c_str());
    EXPECT_EQ(0, RunHost(L"ModuleHost.exe", L""));  // 0: the font was gone right after FreeLibrary
    const std::string text = ReadLog(logPath);
    const std::vector<LogLine> lines = ParseLog(text);
    ASSERT_EQ(5u, lines.size()) << text;
    EXPECT_EQ("traced inside the module", lines[3].message);
    EXPECT_EQ("Log finished", lines[4].message);
    DeleteFileW(logPath.c_str());
}

}  // namespace
