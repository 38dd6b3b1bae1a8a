#include "platform/CoreDll.h"
#include "sip/KeyboardHook.h"
#include "support/ModuleInstance.h"
#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

std::vector<DWORD> g_keysSeen;

LRESULT CALLBACK RecordingHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == WM_KEYDOWN)
        g_keysSeen.push_back(reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK OtherHook(int, WPARAM, LPARAM)
{
    return 0;
}

TEST(CoreDll, LooksUpTheHookFunctionsByWideName)
{
    HMODULE hCore = LoadCoreLibrary(L"COREDLL.DLL");
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
    EXPECT_EQ(nullptr, LoadCoreLibrary(L"no-such-module.dll"));
}

TEST(KeyboardHook, InstallsOnceAndRemoves)
{
    ASSERT_TRUE(InstallKeyboardHook(g_hInstance, RecordingHook));
    HHOOK hHook = GetKeyboardHook();
    EXPECT_NE(nullptr, hHook);
    // A second installation is refused and changes nothing.
    EXPECT_FALSE(InstallKeyboardHook(g_hInstance, OtherHook));
    EXPECT_EQ(hHook, GetKeyboardHook());
    EXPECT_TRUE(RemoveKeyboardHook());
    EXPECT_EQ(nullptr, GetKeyboardHook());
    // Removing again is harmless, and a new installation works.
    EXPECT_TRUE(RemoveKeyboardHook());
    ASSERT_TRUE(InstallKeyboardHook(g_hInstance, OtherHook));
    EXPECT_TRUE(RemoveKeyboardHook());
}

TEST(KeyboardHook, SeesHardwareKeysWhileInstalled)
{
    g_keysSeen.clear();
    ASSERT_TRUE(InstallKeyboardHook(g_hInstance, RecordingHook));
    INPUT aInput[2] = {};
    aInput[0].type = INPUT_KEYBOARD;
    aInput[0].ki.wVk = VK_LEFT;
    aInput[1] = aInput[0];
    aInput[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(2u, SendInput(2, aInput, sizeof(INPUT)));
    for (int i = 0; i < 20 && g_keysSeen.empty(); ++i)
    {
        FlushEvents();
        Sleep(10);
    }
    EXPECT_TRUE(RemoveKeyboardHook());
    ASSERT_FALSE(g_keysSeen.empty());
    EXPECT_EQ(static_cast<DWORD>(VK_LEFT), g_keysSeen[0]);

    // Once removed, it sees nothing.
    g_keysSeen.clear();
    ASSERT_EQ(2u, SendInput(2, aInput, sizeof(INPUT)));
    for (int i = 0; i < 5; ++i)
    {
        FlushEvents();
        Sleep(10);
    }
    EXPECT_TRUE(g_keysSeen.empty());
}

} // namespace
