#include "TestWatchdog.h"

#include <cstdio>

namespace
{

std::string Narrow(const wchar_t* psz)
{
    std::string text;
    for (; *psz != L'\0'; ++psz)
        text += (*psz < 0x80) ? static_cast<char>(*psz) : '?';
    return text;
}

BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM)
{
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hwnd, &dwProcess);
    if (dwProcess != GetCurrentProcessId() || !IsWindowVisible(hwnd))
        return TRUE;
    WCHAR szClass[64] = {};
    WCHAR szTitle[128] = {};
    GetClassNameW(hwnd, szClass, 64);
    GetWindowTextW(hwnd, szTitle, 128);
    WCHAR szText[256] = {};
    GetDlgItemTextW(hwnd, 0xFFFF, szText, 256);  // a message box's text
    std::fprintf(stderr, "  window %p class \"%s\" title \"%s\" text \"%s\"\n", static_cast<void*>(hwnd),
                 Narrow(szClass).c_str(), Narrow(szTitle).c_str(), Narrow(szText).c_str());
    return TRUE;
}

} // namespace

CTestWatchdog::CTestWatchdog(std::chrono::seconds limit) : m_limit(limit), m_thread([this] { Run(); }) {}

CTestWatchdog::~CTestWatchdog()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void CTestWatchdog::OnTestStart(const testing::TestInfo& info)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strTest = std::string(info.test_suite_name()) + "." + info.name();
    m_started = std::chrono::steady_clock::now();
    m_changed.notify_all();
}

void CTestWatchdog::OnTestEnd(const testing::TestInfo&)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_strTest.clear();
    m_changed.notify_all();
}

void CTestWatchdog::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_bStop)
    {
        if (m_strTest.empty())
        {
            m_changed.wait(lock);
            continue;
        }
        const std::string test = m_strTest;
        const auto deadline = m_started + m_limit;
        if (m_changed.wait_until(lock, deadline, [&] { return m_bStop || m_strTest != test; }))
            continue;
        if (m_strTest == test)
            ReportAndExit(test);
    }
}

void CTestWatchdog::ReportAndExit(const std::string& test)
{
    std::fprintf(stderr, "\n[  HUNG    ] %s ran longer than %lld s; visible windows:\n", test.c_str(),
                 static_cast<long long>(m_limit.count()));
    EnumWindows(PrintWindow, 0);
    std::fflush(stderr);
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
}
