#include "platform/CoreDll.h"

namespace
{

// Longest export name looked up; CE's are far shorter.
constexpr int kMaxProcName = 128;

} // namespace

HMODULE LoadCoreLibrary(LPCWSTR pszName)
{
    if (pszName != nullptr && lstrcmpiW(pszName, kCoreDllName) == 0)
        return LoadLibraryW(L"user32.dll");
    return LoadLibraryW(pszName);
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
    return GetProcAddress(hModule, szName);
}
