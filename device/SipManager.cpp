#include "SipManager.h"

#include "device/harness/ChildProcess.h"

#include <cstdio>
#include <shlwapi.h>

namespace {

std::wstring ReadDefaultValue(HKEY hKey, const wchar_t* pszSubKey)
{
    wchar_t szValue[MAX_PATH * 2] = {};
    DWORD cbValue = sizeof(szValue) - sizeof(wchar_t);
    if (RegGetValueW(hKey, pszSubKey, nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, szValue,
                     &cbValue) != ERROR_SUCCESS)
        return std::wstring();
    return szValue;
}

bool SameFile(const std::wstring& a, const std::wstring& b)
{
    wchar_t szA[MAX_PATH * 2] = {}, szB[MAX_PATH * 2] = {};
    if (GetFullPathNameW(a.c_str(), MAX_PATH * 2, szA, nullptr) == 0 ||
        GetFullPathNameW(b.c_str(), MAX_PATH * 2, szB, nullptr) == 0)
        return false;
    return lstrcmpiW(szA, szB) == 0;
}

}  // namespace

bool RegisterModule(const std::wstring& sModulePath, std::wstring& sError, bool bUnregister)
{
    const int nExit = RunProgram(std::wstring(bUnregister ? L"regsvr32.exe /s /u \"" : L"regsvr32.exe /s \"") +
                                 sModulePath + L"\"");
    if (nExit == -1)
    {
        sError = L"regsvr32 could not be started, or did not end";
        return false;
    }
    if (nExit != 0)
    {
        wchar_t sz[64];
        swprintf(sz, 64, L"regsvr32 failed with exit code %d", nExit);
        sError = sz;
        return false;
    }
    return true;
}

bool FindInputMethodClass(const std::wstring& sModulePath, CLSID& clsid)
{
    HKEY hClasses = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID", 0, KEY_READ, &hClasses) != ERROR_SUCCESS)
        return false;
    bool bFound = false;
    bool bExact = false;
    wchar_t szName[64];
    for (DWORD i = 0; !bExact; ++i)
    {
        DWORD cchName = 64;
        const LONG lResult = RegEnumKeyExW(hClasses, i, szName, &cchName, nullptr, nullptr, nullptr, nullptr);
        if (lResult == ERROR_NO_MORE_ITEMS)
            break;
        if (lResult != ERROR_SUCCESS)
            continue;
        HKEY hClass = nullptr;
        if (RegOpenKeyExW(hClasses, szName, 0, KEY_READ, &hClass) != ERROR_SUCCESS)
            continue;
        if (ReadDefaultValue(hClass, L"IsSIPInputMethod") == L"1")
        {
            CLSID candidate;
            if (SUCCEEDED(CLSIDFromString(szName, &candidate)))
            {
                const bool bThisModule = SameFile(ReadDefaultValue(hClass, L"InprocServer32"), sModulePath);
                if (!bFound || bThisModule)
                {
                    clsid = candidate;
                    bFound = true;
                    bExact = bThisModule;
                }
            }
        }
        RegCloseKey(hClass);
    }
    RegCloseKey(hClasses);
    return bFound;
}

CSipManager::~CSipManager()
{
    Stop();
}

void CSipManager::Record(const char* pszCall, HRESULT hr)
{
    char sz[96];
    std::snprintf(sz, sizeof sz, "%s 0x%08lX", pszCall, static_cast<unsigned long>(hr));
    m_calls.push_back(sz);
}

bool CSipManager::Start(const std::wstring& sModulePath, HWND hwndSip, IIMCallback* pCallback, std::wstring& sError)
{
    if (!RegisterModule(sModulePath, sError))
        return false;
    CLSID clsid;
    if (!FindInputMethodClass(sModulePath, clsid))
    {
        sError = L"no class is registered as an SIP input method";
        return false;
    }
    IInputMethod* pInputMethod = nullptr;
    const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                        reinterpret_cast<void**>(&pInputMethod));
    Record("CoCreateInstance", hr);
    if (FAILED(hr) || pInputMethod == nullptr)
    {
        wchar_t sz[80];
        swprintf(sz, 80, L"the input method could not be created (0x%08lX)", static_cast<unsigned long>(hr));
        sError = sz;
        return false;
    }
    Drive(pInputMethod, hwndSip, pCallback);
    return true;
}

void CSipManager::Drive(IInputMethod* pInputMethod, HWND hwndSip, IIMCallback* pCallback)
{
    m_pInputMethod = pInputMethod;
    m_hwndSip = hwndSip;
    Record("RegisterCallback", m_pInputMethod->RegisterCallback(pCallback));
    Record("Select", m_pInputMethod->Select(hwndSip));
    m_info = IMINFO{};
    m_info.cbSize = sizeof(IMINFO);
    Record("GetInfo", m_pInputMethod->GetInfo(&m_info));
    Show();
}

void CSipManager::Show()
{
    if (m_pInputMethod == nullptr)
        return;
    m_bShowing = true;
    Record("Showing", m_pInputMethod->Showing());
    ShowWindow(m_hwndSip, SW_SHOWNA);
    AskVisibleDesktop();
}

void CSipManager::Hide()
{
    if (m_pInputMethod == nullptr)
        return;
    m_bShowing = false;
    Record("Hiding", m_pInputMethod->Hiding());
    ShowWindow(m_hwndSip, SW_HIDE);
    AskVisibleDesktop();
}

void CSipManager::ScreenChanged()
{
    if (m_pInputMethod == nullptr)
        return;
    if (m_bShowing)
        Record("Showing", m_pInputMethod->Showing());
    AskVisibleDesktop();
}

void CSipManager::AskVisibleDesktop()
{
    SIPINFO info{};
    info.cbSize = sizeof(SIPINFO);
    Record("ReceiveSipInfo", m_pInputMethod->ReceiveSipInfo(&info));
    m_rcVisibleDesktop = info.rcVisibleDesktop;
}

void CSipManager::Stop()
{
    if (m_pInputMethod == nullptr)
        return;
    Record("Deselect", m_pInputMethod->Deselect());
    const ULONG cRef = m_pInputMethod->Release();
    char sz[48];
    std::snprintf(sz, sizeof sz, "Release %lu", static_cast<unsigned long>(cRef));
    m_calls.push_back(sz);
    m_pInputMethod = nullptr;
}
