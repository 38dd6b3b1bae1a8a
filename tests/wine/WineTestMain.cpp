#include "device/harness/TextUtf.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

// The longest any one test may take before the program is ended as hung.
constexpr std::chrono::seconds kTestTimeLimit{90};

// Each test starts with the real pointer in the screen's top-left corner: a window
// that opens under a pointer left there by an earlier test's real input gets mouse
// moves of its own, and the SIP bar presses the button a move passes over.
class CPointerParking : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo&) override { SetCursorPos(0, 0); }
};

BOOL CALLBACK PrintVisibleWindow(HWND hwnd, LPARAM)
{
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(hwnd, &dwProcess);
    if (dwProcess != GetCurrentProcessId() || !IsWindowVisible(hwnd))
        return TRUE;
    WCHAR szClass[64] = {}, szTitle[128] = {}, szText[256] = {};
    GetClassNameW(hwnd, szClass, 64);
    GetWindowTextW(hwnd, szTitle, 128);
    GetDlgItemTextW(hwnd, 0xFFFF, szText, 256);  // a message box's text
    std::fprintf(stderr, "  window %p class \"%s\" title \"%s\" text \"%s\"\n", static_cast<void*>(hwnd),
                 Narrow(szClass).c_str(), Narrow(szTitle).c_str(), Narrow(szText).c_str());
    return TRUE;
}

// Ends the program when one test runs longer than the limit: a modal window that nobody
// closes would otherwise hold the whole screen's run until ctest's timeout. Before ending
// it names the test and lists this process's visible top-level windows, which is usually
// enough to see what is waiting.
class CTestWatchdog : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo& info) override
    {
        m_test = std::string(info.test_suite_name()) + "." + info.name();
        const DWORD dwLimitMs = static_cast<DWORD>(std::chrono::milliseconds(kTestTimeLimit).count());
        CreateTimerQueueTimer(&m_hTimer, nullptr, OnHung, this, dwLimitMs, 0, WT_EXECUTEONLYONCE);
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        DeleteTimerQueueTimer(nullptr, m_hTimer, INVALID_HANDLE_VALUE);  // (waits for a report under way)
        m_hTimer = nullptr;
    }

    static void CALLBACK OnHung(void* pThis, BOOLEAN)
    {
        const long long nLimit = kTestTimeLimit.count();
        std::fprintf(stderr, "\n[  HUNG    ] %s ran longer than %lld s; visible windows:\n",
                     static_cast<CTestWatchdog*>(pThis)->m_test.c_str(), nLimit);
        EnumWindows(PrintVisibleWindow, 0);
        std::fflush(stderr);
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 3);
    }

    std::string m_test;
    HANDLE m_hTimer = nullptr;
};

}  // namespace

// Resources are linked into the test program, so it stands in for the module.
int main(int argc, char** argv)
{
    g_hInstance = GetModuleHandleW(nullptr);
    testing::InitGoogleTest(&argc, argv);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    listeners.Append(new CPointerParking);
    listeners.Append(new CTestWatchdog);
    return RUN_ALL_TESTS();
}
