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

// One hook at a time, removable twice. What it does with the arrow keys while
// the keyboard is open is played on the device (tests/scenarios/arrow-keys.txt), and
// that every opening installs it, through coredll's functions, is KeyboardActionTest's.
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
