#include "sip/KeyboardHook.h"

#include "platform/CoreDll.h"

namespace
{

using PfnSetWindowsHookExW = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);
using PfnUnhookWindowsHookEx = BOOL(WINAPI*)(HHOOK);
using PfnCallNextHookEx = LRESULT(WINAPI*)(HHOOK, int, WPARAM, LPARAM);

constexpr int kLowLevelKeyboardHook = kCeKeyboardLowLevelHook;

HMODULE g_hCoreDll = nullptr;
HHOOK g_hHook = nullptr;
HOOKPROC g_pfnHookProc = nullptr;
PfnSetWindowsHookExW g_pfnSetWindowsHookExW = nullptr;
PfnUnhookWindowsHookEx g_pfnUnhookWindowsHookEx = nullptr;
PfnCallNextHookEx g_pfnCallNextHookEx = nullptr;

template <typename TFunction>
TFunction LookUp(LPCWSTR pszName)
{
    return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddressW(g_hCoreDll, pszName)));
}

} // namespace

bool InstallKeyboardHook(HINSTANCE hInstance, HOOKPROC pfnHookProc)
{
    if (g_pfnHookProc != nullptr)
        return false;
    g_pfnHookProc = pfnHookProc;
    g_pfnSetWindowsHookExW = nullptr;
    g_pfnUnhookWindowsHookEx = nullptr;
    g_pfnCallNextHookEx = nullptr;

    g_hCoreDll = ce::LoadLibraryW(kCoreDllName);
    if (g_hCoreDll == nullptr)
        return false;
    g_pfnSetWindowsHookExW = LookUp<PfnSetWindowsHookExW>(L"SetWindowsHookExW");
    if (g_pfnSetWindowsHookExW == nullptr)
        return false;
    g_hHook = g_pfnSetWindowsHookExW(kLowLevelKeyboardHook, pfnHookProc, hInstance, 0);
    if (g_hHook == nullptr)
        return false;
    g_pfnCallNextHookEx = LookUp<PfnCallNextHookEx>(L"CallNextHookEx");
    g_pfnUnhookWindowsHookEx = LookUp<PfnUnhookWindowsHookEx>(L"UnhookWindowsHookEx");
    return g_pfnCallNextHookEx != nullptr && g_pfnUnhookWindowsHookEx != nullptr;
}

bool RemoveKeyboardHook()
{
    g_pfnHookProc = nullptr;
    if (g_hHook != nullptr)
    {
        // A hook whose removal function was not found must not outlive the
        // keyboard: it is removed directly then.
        if (g_pfnUnhookWindowsHookEx != nullptr)
            g_pfnUnhookWindowsHookEx(g_hHook);
        else
            UnhookWindowsHookEx(g_hHook);
        g_hHook = nullptr;
    }
    if (g_hCoreDll != nullptr)
    {
        FreeLibrary(g_hCoreDll);
        g_hCoreDll = nullptr;
    }
    return true;
}

HHOOK GetKeyboardHook()
{
    return g_hHook;
}
