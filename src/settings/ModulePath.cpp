#include "settings/ModulePath.h"

#include "settings/ModulePathRules.h"

BOOL BuildModulePath(HMODULE hModule, LPCWSTR pszSuffix, LPWSTR pszOut)
{
    if (pszOut == nullptr)
        return FALSE;
    pszOut[0] = L'\0';
    WCHAR szModule[MAX_PATH + 1] = {};
    const DWORD cchModule = GetModuleFileNameW(hModule, szModule, MAX_PATH);
    // A result of MAX_PATH means the name was cut to fit.
    if (cchModule == 0 || cchModule >= MAX_PATH)
        return FALSE;
    return ComposeModulePath(szModule, cchModule, pszSuffix, pszOut, kPathUnits) ? TRUE : FALSE;
}
