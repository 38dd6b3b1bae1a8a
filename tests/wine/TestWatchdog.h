#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Ends the test program when one test runs longer than a limit: a modal window
// that nobody closes would otherwise hold the whole screen's run until ctest's
// timeout. Before ending it names the test and lists this process's visible
// top-level windows, which is usually enough to see what is waiting.
class CTestWatchdog : public testing::EmptyTestEventListener
{
public:
    explicit CTestWatchdog(std::chrono::seconds limit);
    ~CTestWatchdog() override;

    void OnTestStart(const testing::TestInfo& info) override;
    void OnTestEnd(const testing::TestInfo& info) override;

private:
    void Run();
    void ReportAndExit(const std::string& test);

    const std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_strTest;
    std::chrono::steady_clock::time_point m_started;
    bool m_bStop = false;
    std::thread m_thread;
};
