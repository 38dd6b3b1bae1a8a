#include "sip/TypeLibrary.h"

#include "Corvell.h"
#include "support/ComPointer.h"

#include <cwchar>

namespace
{

// The module's path with its extension replaced by ".tlb"; false when it would not fit.
bool ReplaceExtensionWithTlb(LPCWSTR pszModule, LPWSTR pszOut, size_t cchOut)
{
    const wchar_t* pszSlash = std::wcsrchr(pszModule, L'\\');
    const wchar_t* pszDot = std::wcsrchr(pszModule, L'.');
    const size_t cchStem = (pszDot != nullptr && (pszSlash == nullptr || pszDot > pszSlash))
                               ? static_cast<size_t>(pszDot - pszModule)
                               : std::wcslen(pszModule);
    if (cchStem + 5 > cchOut)
        return false;
    std::wmemcpy(pszOut, pszModule, cchStem);
    std::wmemcpy(pszOut + cchStem, L".tlb", 5);
    return true;
}

} // namespace

HRESULT LoadModuleTypeLib(HINSTANCE hModule, ITypeLib** ppTypeLib, LPWSTR pszLoadedFrom)
{
    if (ppTypeLib == nullptr)
        return E_POINTER;
    *ppTypeLib = nullptr;

    WCHAR szModule[MAX_PATH] = {};
    const DWORD cch = GetModuleFileNameW(hModule, szModule, MAX_PATH);
    if (cch == 0 || cch >= MAX_PATH)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);

    HRESULT hr = LoadTypeLib(szModule, ppTypeLib);
    if (SUCCEEDED(hr))
    {
        if (pszLoadedFrom != nullptr)
            std::wmemcpy(pszLoadedFrom, szModule, MAX_PATH);
        return hr;
    }

    WCHAR szTlb[MAX_PATH] = {};
    if (!ReplaceExtensionWithTlb(szModule, szTlb, MAX_PATH))
        return hr;
    const HRESULT hrTlb = LoadTypeLib(szTlb, ppTypeLib);
    if (FAILED(hrTlb))
        return hr;
    if (pszLoadedFrom != nullptr)
        std::wmemcpy(pszLoadedFrom, szTlb, MAX_PATH);
    return hrTlb;
}

HRESULT LoadZarnTypeInfo(HINSTANCE hModule, ITypeInfo** ppTypeInfo)
{
    if (ppTypeInfo == nullptr)
        return E_POINTER;
    *ppTypeInfo = nullptr;
    CComPointer<ITypeLib> pTypeLib;
    const HRESULT hr = LoadModuleTypeLib(hModule, pTypeLib.Put(), nullptr);
    if (FAILED(hr))
        return hr;
    return pTypeLib->GetTypeInfoOfGuid(IID_IZarn, ppTypeInfo);
}
