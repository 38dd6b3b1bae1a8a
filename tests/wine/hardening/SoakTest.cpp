// A long-running process in short: many keyboard openings with typing and many skin
// reloads (switching skin and hand) in one process; GDI objects and DCs (counted through
// the import table), windows of the thread and private memory must end where they
// began, within a fixed allowance, and every typed text must arrive whole.
// BREVANTO_SOAK=full runs the long form (500 openings, 100 reloads); the suite runs 10 and 40.
#include "GdiCounter.h"
#include "WineTestSupport.h"
#include "keyboard/KeyboardDriver.h"

#include "keyboard/KeyboardFonts.h"
#include "settings/Settings.h"
#include "sip/SipPanel.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr long kGdiAllowance = 4;              // objects a system cache may keep
constexpr long kWindowAllowance = 0;
constexpr SIZE_T kMemoryAllowance = 8u << 20;  // bytes of private memory

bool IsFullSoak()
{
    const char* psz = std::getenv("BREVANTO_SOAK");
    return psz != nullptr && std::string(psz) == "full";
}

BOOL CALLBACK CountChildWindow(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<long*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lParam)
{
    ++*reinterpret_cast<long*>(lParam);
    EnumChildWindows(hwnd, CountChildWindow, lParam);
    return TRUE;
}

long ThreadWindows()
{
    long n = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Wine leaves PrivateUsage at 0; its commit charge is the same figure there.
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

struct Figures
{
    long nGdi;
    long nWindows;
    SIZE_T cbPrivate;
};

Figures Measure()
{
    return {CGdiCounter::Live(), ThreadWindows(), PrivateBytes()};
}

bool LoadShippedSkin(const wchar_t* pszSkin, DWORD dwHabit, HWND hwndBar)
{
    SetSkinFile(pszSkin);
    SetHabit(dwHabit);
    ReleaseKeyboardFonts();
    ReleaseSkin();
    const bool bLoaded = LoadSkin(GetModuleHandleW(nullptr), hwndBar) != 0;
    CreatePreviewFonts(hwndBar);
    return bLoaded;
}

// One opening: three letters typed with real stylus input, then OK; the text must come
// back whole in the panel's buffer.
bool OpenAndType(SipPanel& panel, std::wstring& problem)
{
    const bool bOpened = CKeyboardDriver::Run(&panel, [](CKeyboardDriver& driver) {
        driver.Tap(1);   // b
        driver.Tap(17);  // r
        driver.Tap(4);   // e
        driver.Tap(KEY_OK);
    });
    const std::wstring text = panel.m_pBuffer != nullptr ? panel.m_pBuffer : L"<null>";
    delete[] panel.m_pBuffer;
    panel.m_pBuffer = nullptr;
    if (!bOpened)
        problem = L"the keyboard did not open";
    else if (text != L"bre")
        problem = L"typed \"bre\", got \"" + text + L"\"";
    return bOpened && text == L"bre";
}

TEST(Soak, OpeningsAndReloadsGiveBackWhatTheyTake)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "runs on 240x320";
    ASSERT_TRUE(CGdiCounter::Install());
    const int nOpenings = IsFullSoak() ? 500 : 10;
    const int nReloads = IsFullSoak() ? 100 : 40;

    CFontHelper& fonts = CFontHelper::Instance();
    if (fonts.GetFont(CFontHelper::kTextFontSlot) == nullptr)
        fonts.CreateFontInSlot(CFontHelper::kTextFontSlot, ScaleByDpi(16), FW_NORMAL, L"Tahoma", 0, 0, 0);
    HWND hwndBar = CreateWindowExW(0, L"STATIC", L"bar", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, hwndBar);
    SipPanel panel{g_hInstance};
    ASSERT_TRUE(LoadShippedSkin(L"Silver.xml", 1, hwndBar));
    std::wstring problem;
    ASSERT_TRUE(OpenAndType(panel, problem)) << std::string(problem.begin(), problem.end());  // warm-up

    const Figures before = Measure();
    int nWhole = 0;
    for (int i = 0; i < nOpenings; ++i)
    {
        if (OpenAndType(panel, problem))
            ++nWhole;
        else
            ADD_FAILURE() << "opening " << i << ": " << std::string(problem.begin(), problem.end());
    }
    const Figures afterOpenings = Measure();
    int nLoaded = 0;
    for (int i = 0; i < nReloads; ++i)
        nLoaded += LoadShippedSkin(i % 2 == 0 ? L"Midnight.xml" : L"Silver.xml", (i / 2) % 2, hwndBar) ? 1 : 0;
    ASSERT_TRUE(LoadShippedSkin(L"Silver.xml", 1, hwndBar));
    const Figures after = Measure();

    std::printf("[ soak     ] %d openings (%d texts whole), %d reloads (%d loaded)\n", nOpenings, nWhole, nReloads,
                nLoaded);
    std::printf("[ soak     ] GDI objects and DCs %ld -> %ld -> %ld, windows %ld -> %ld, private memory %.1f -> "
                "%.1f MB\n",
                before.nGdi, afterOpenings.nGdi, after.nGdi, before.nWindows, after.nWindows,
                before.cbPrivate / 1048576.0, after.cbPrivate / 1048576.0);
    EXPECT_EQ(nOpenings, nWhole);
    EXPECT_EQ(nReloads, nLoaded);
    EXPECT_LE(after.nGdi, before.nGdi + kGdiAllowance);
    EXPECT_LE(afterOpenings.nGdi, before.nGdi + kGdiAllowance);
    EXPECT_LE(after.nWindows, before.nWindows + kWindowAllowance);
    EXPECT_LE(after.cbPrivate, before.cbPrivate + kMemoryAllowance);

    ReleaseKeyboardFonts();
    ReleaseSkin();
    DestroyWindow(hwndBar);
}

}  // namespace
