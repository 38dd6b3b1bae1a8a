#include "Corvell.h"
#include "sip/TypeLibrary.h"
#include "support/ComPointer.h"
#include "support/ModuleInstance.h"

#include <cwchar>

// The registry entries that make Zarn a COM class and a SIP input method, and
// the registration of the embedded type library.

namespace
{

constexpr wchar_t kProgId[] = L"Keyboard.Zarn.1";
constexpr wchar_t kVersionIndependentProgId[] = L"Keyboard.Zarn";
constexpr wchar_t kClassDescription[] = L"Zarn Class";
constexpr wchar_t kClassName[] = L"Brevanto Keyboard";
constexpr int kGuidLength = 39;

class CRegKey
{
public:
    CRegKey() = default;
    ~CRegKey()
    {
        if (m_hKey != nullptr)
            RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    LSTATUS Create(HKEY hParent, LPCWSTR pszSubKey)
    {
        return RegCreateKeyExW(hParent, pszSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                               nullptr, &m_hKey, nullptr);
    }
    LSTATUS Open(HKEY hParent, LPCWSTR pszSubKey)
    {
        return RegOpenKeyExW(hParent, pszSubKey, 0, KEY_ALL_ACCESS, &m_hKey);
    }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

LSTATUS SetString(HKEY hKey, LPCWSTR pszName, LPCWSTR pszValue)
{
    const DWORD cb = static_cast<DWORD>((std::wcslen(pszValue) + 1) * sizeof(WCHAR));
    return RegSetValueExW(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszValue), cb);
}

// Creates hParent\pszSubKey and, when pszDefault is set, gives it that default value.
LSTATUS WriteKey(HKEY hParent, LPCWSTR pszSubKey, LPCWSTR pszDefault)
{
    CRegKey key;
    LSTATUS status = key.Create(hParent, pszSubKey);
    if (status == ERROR_SUCCESS && pszDefault != nullptr)
        status = SetString(key.Get(), nullptr, pszDefault);
    return status;
}

// The longest name a registry key may have, and its terminator.
constexpr DWORD kMaxKeyName = 256;

// Deletes a key with its subkeys, the deepest first; a key that is already gone is no failure.
LSTATUS DeleteTree(HKEY hParent, LPCWSTR pszSubKey)
{
    {
        CRegKey key;
        LSTATUS status = key.Open(hParent, pszSubKey);
        if (status != ERROR_SUCCESS)
            return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
        // Each deletion moves the next subkey to index 0.
        for (;;)
        {
            WCHAR szChild[kMaxKeyName] = {};
            DWORD cchChild = kMaxKeyName;
            status = RegEnumKeyExW(key.Get(), 0, szChild, &cchChild, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS)
                break;
            if (status == ERROR_SUCCESS)
                status = DeleteTree(key.Get(), szChild);
            if (status != ERROR_SUCCESS)
                return status;
        }
    }
    const LSTATUS status = RegDeleteKeyW(hParent, pszSubKey);
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

struct CRegistrationNames
{
    WCHAR szClsid[kGuidLength];
    WCHAR szLibId[kGuidLength];
    WCHAR szClassKey[6 + kGuidLength];  // "CLSID\{...}"
};

CRegistrationNames MakeNames()
{
    CRegistrationNames names = {};
    StringFromGUID2(CLSID_Zarn, names.szClsid, kGuidLength);
    StringFromGUID2(LIBID_CORVELLLib, names.szLibId, kGuidLength);
    std::swprintf(names.szClassKey, sizeof(names.szClassKey) / sizeof(WCHAR), L"CLSID\\%ls",
                  names.szClsid);
    return names;
}

// A ProgID key: the class's description, its CLSID and, for the version-independent
// name, the current version's ProgID.
LSTATUS WriteProgId(LPCWSTR pszProgId, const CRegistrationNames& names, LPCWSTR pszCurVer)
{
    LSTATUS status = WriteKey(HKEY_CLASSES_ROOT, pszProgId, kClassDescription);
    if (status != ERROR_SUCCESS)
        return status;
    CRegKey key;
    status = key.Create(HKEY_CLASSES_ROOT, pszProgId);
    if (status == ERROR_SUCCESS)
        status = WriteKey(key.Get(), L"CLSID", names.szClsid);
    if (status == ERROR_SUCCESS && pszCurVer != nullptr)
        status = WriteKey(key.Get(), L"CurVer", pszCurVer);
    return status;
}

LSTATUS WriteProgIds(const CRegistrationNames& names)
{
    const LSTATUS status = WriteProgId(kProgId, names, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    return WriteProgId(kVersionIndependentProgId, names, kProgId);
}

LSTATUS WriteClassKey(const CRegistrationNames& names, LPCWSTR pszModulePath)
{
    // The class key is written afresh, so nothing of an older registration survives.
    LSTATUS status = DeleteTree(HKEY_CLASSES_ROOT, names.szClassKey);
    if (status != ERROR_SUCCESS)
        return status;
    CRegKey key;
    status = key.Create(HKEY_CLASSES_ROOT, names.szClassKey);
    if (status == ERROR_SUCCESS)
        status = SetString(key.Get(), nullptr, kClassName);
    if (status == ERROR_SUCCESS)
        status = WriteKey(key.Get(), L"ProgID", kProgId);
    if (status == ERROR_SUCCESS)
        status = WriteKey(key.Get(), L"VersionIndependentProgID", kVersionIndependentProgId);
    if (status == ERROR_SUCCESS)
        status = WriteKey(key.Get(), L"IsSIPInputMethod", L"1");
    if (status == ERROR_SUCCESS)
        status = DeleteTree(key.Get(), L"Programmable");
    if (status == ERROR_SUCCESS)
        status = WriteKey(key.Get(), L"Programmable", nullptr);
    if (status == ERROR_SUCCESS)
    {
        CRegKey server;
        status = server.Create(key.Get(), L"InprocServer32");
        if (status == ERROR_SUCCESS)
            status = SetString(server.Get(), nullptr, pszModulePath);
        if (status == ERROR_SUCCESS)
            status = SetString(server.Get(), L"ThreadingModel", L"Free");
    }
    if (status == ERROR_SUCCESS)
        status = WriteKey(key.Get(), L"TypeLib", names.szLibId);
    return status;
}

HRESULT RegisterTypeLibrary()
{
    CComPointer<ITypeLib> pTypeLib;
    WCHAR szLoadedFrom[MAX_PATH] = {};
    const HRESULT hr = LoadModuleTypeLib(g_hInstance, pTypeLib.Put(), szLoadedFrom);
    if (FAILED(hr))
        return hr;
    return RegisterTypeLib(pTypeLib.Get(), szLoadedFrom, nullptr);
}

// The first failure, after trying every key.
LSTATUS DeleteRegistration(const CRegistrationNames& names)
{
    LSTATUS status = DeleteTree(HKEY_CLASSES_ROOT, kProgId);
    const LSTATUS statusVersionless = DeleteTree(HKEY_CLASSES_ROOT, kVersionIndependentProgId);
    // Only the class's own key: the CLSID key itself belongs to everyone.
    const LSTATUS statusClass = DeleteTree(HKEY_CLASSES_ROOT, names.szClassKey);
    if (status == ERROR_SUCCESS)
        status = statusVersionless;
    return status == ERROR_SUCCESS ? statusClass : status;
}

} // namespace

STDAPI DllRegisterServer()
{
    WCHAR szModule[MAX_PATH] = {};
    const DWORD cch = GetModuleFileNameW(g_hInstance, szModule, MAX_PATH);
    if (cch == 0 || cch >= MAX_PATH)
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);

    const CRegistrationNames names = MakeNames();
    LSTATUS status = WriteProgIds(names);
    if (status == ERROR_SUCCESS)
        status = WriteClassKey(names, szModule);
    HRESULT hr = HRESULT_FROM_WIN32(status);
    if (SUCCEEDED(hr))
        hr = RegisterTypeLibrary();
    // A registration that stopped half-way is taken back whole.
    if (FAILED(hr))
        DeleteRegistration(names);
    return FAILED(hr) ? hr : S_OK;
}

STDAPI DllUnregisterServer()
{
    const LSTATUS status = DeleteRegistration(MakeNames());
    if (status == ERROR_SUCCESS)
        return S_OK;
    // An unregistration that stopped half-way is put back whole, so that the class is
    // either registered or gone.
    DllRegisterServer();
    return HRESULT_FROM_WIN32(status);
}
