#include "platform/CoreDll.h"
#include "sip/KeyboardHook.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>


namespace
{

LRESULT CALLBACK FirstHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK OtherHook(int, WPARAM, LPARAM)
{
    return 0;
}

TEST(CoreDll, LooksUpTheHookFunctionsByWideName)
{
    HMODULE hCore = ce::LoadLibraryW(L"COREDLL.DLL");
    ASSERT_NE(nullptr, hCore);
    struct Case { const wchar_t* pszName; bool bFound; };
    const Case aCases[] = {
        {L"SetWindowsHookExW", true}, {L"UnhookWindowsHookEx", true}, {L"CallNextHookEx", true},
        {L"NoSuchFunction", false},   {L"SetWindowsHookExW\u00e9", false}, {L"", false},
    };
    for (const Case& c : aCases)
        EXPECT_EQ(c.bFound, GetProcAddressW(hCore, c.pszName) != nullptr) << testing::PrintToString(std::wstring(c.pszName));
    EXPECT_EQ(nullptr, GetProcAddressW(nullptr, L"SetWindowsHookExW"));
    FreeLibrary(hCore);
    EXPECT_EQ(nullptr, ce::LoadLibraryW(L"no-such-module.dll"));
}

// One hook at a time, removable twice. What it does with the arrow keys while
// the keyboard is open is played on the device (tests/scenarios/arrow-keys.txt).
TEST(KeyboardHook, InstallsOnceAndRemoves)
{
    ASSERT_TRUE(InstallKeyboardHook(g_hInstance, FirstHook));
    HHOOK hHook = GetKeyboardHook();
    EXPECT_NE(nullptr, hHook);
    EXPECT_FALSE(InstallKeyboardHook(g_hInstance, OtherHook));
    EXPECT_EQ(hHook, GetKeyboardHook());
    EXPECT_TRUE(RemoveKeyboardHook());
    EXPECT_EQ(nullptr, GetKeyboardHook());
    EXPECT_TRUE(RemoveKeyboardHook());
    ASSERT_TRUE(InstallKeyboardHook(g_hInstance, OtherHook));
    EXPECT_TRUE(RemoveKeyboardHook());
}

} // namespace
