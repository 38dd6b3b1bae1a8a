#include "platform/CoreDll.h"

namespace
{

// Longest export name looked up; CE's are far shorter.
constexpr int kMaxProcName = 128;

constexpr wchar_t kDesktopCoreModule[] = L"user32.dll";

// SetWindowsHookExW as CE numbers its hooks.
HHOOK WINAPI CeSetWindowsHookExW(int nHook, HOOKPROC pfnHookProc, HINSTANCE hModule, DWORD dwThreadId)
{
    if (nHook == kCeKeyboardLowLevelHook)
        nHook = WH_KEYBOARD_LL;
    return SetWindowsHookExW(nHook, pfnHookProc, hModule, dwThreadId);
}

bool IsDesktopCoreModule(HMODULE hModule)
{
    return hModule != nullptr && hModule == GetModuleHandleW(kDesktopCoreModule);
}

} // namespace

HMODULE ce::LoadLibraryW(LPCWSTR pszName)
{
    if (pszName != nullptr && lstrcmpiW(pszName, kCoreDllName) == 0)
        return ::LoadLibraryW(kDesktopCoreModule);
    return ::LoadLibraryW(pszName);
}

FARPROC GetProcAddressW(HMODULE hModule, LPCWSTR pszProcName)
{
    if (hModule == nullptr || pszProcName == nullptr)
        return nullptr;
    char szName[kMaxProcName];
    int i = 0;
    for (; pszProcName[i] != L'\0'; ++i)
    {
        if (i == kMaxProcName - 1 || pszProcName[i] > 0x7F)
            return nullptr;
        szName[i] = static_cast<char>(pszProcName[i]);
    }
    szName[i] = '\0';
    if (IsDesktopCoreModule(hModule) && lstrcmpA(szName, "SetWindowsHookExW") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(CeSetWindowsHookExW));
    return GetProcAddress(hModule, szName);
}
