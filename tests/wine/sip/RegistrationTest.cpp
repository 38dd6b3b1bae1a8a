#include "Corvell.h"
#include "platform/SipInterfaces.h"
#include "sip/DialogWatcher.h"
#include "sip/ServerTestSupport.h"
#include "support/ComPointer.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace
{

std::wstring GuidString(REFGUID guid)
{
    WCHAR sz[39] = {};
    StringFromGUID2(guid, sz, 39);
    return sz;
}

bool KeyExists(const std::wstring& path)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

// The string value, or nothing when the key or the value is missing.
std::optional<std::wstring> ReadString(const std::wstring& path, const wchar_t* pszName)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return std::nullopt;
    WCHAR szValue[MAX_PATH * 2] = {};
    DWORD cb = sizeof(szValue) - sizeof(WCHAR);
    DWORD dwType = 0;
    const LSTATUS status = RegQueryValueExW(hKey, pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(szValue), &cb);
    RegCloseKey(hKey);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), dwType) << "type of " << testing::PrintToString(path);
    return std::wstring(szValue);
}

struct ExpectedValue
{
    std::wstring key;
    const wchar_t* pszName;             // null: the default value
    std::optional<std::wstring> value;  // nothing: the key exists without this value
};

std::vector<ExpectedValue> ExpectedRegistration()
{
    const std::wstring clsid = GuidString(CLSID_Zarn);
    const std::wstring classKey = L"CLSID\\" + clsid;
    return {
        {L"Keyboard.Zarn.1", nullptr, L"Zarn Class"},
        {L"Keyboard.Zarn.1\\CLSID", nullptr, clsid},
        {L"Keyboard.Zarn", nullptr, L"Zarn Class"},
        {L"Keyboard.Zarn\\CLSID", nullptr, clsid},
        {L"Keyboard.Zarn\\CurVer", nullptr, L"Keyboard.Zarn.1"},
        {classKey, nullptr, L"Brevanto Keyboard"},
        {classKey + L"\\ProgID", nullptr, L"Keyboard.Zarn.1"},
        {classKey + L"\\VersionIndependentProgID", nullptr, L"Keyboard.Zarn"},
        {classKey + L"\\IsSIPInputMethod", nullptr, L"1"},
        {classKey + L"\\Programmable", nullptr, std::nullopt},
        {classKey + L"\\InprocServer32", nullptr, KeyboardDllPath()},
        {classKey + L"\\InprocServer32", L"ThreadingModel", L"Free"},
        {classKey + L"\\TypeLib", nullptr, GuidString(LIBID_CORVELLLib)},
    };
}

void ExpectRegistered()
{
    for (const ExpectedValue& expected : ExpectedRegistration())
    {
        SCOPED_TRACE(testing::PrintToString(expected.key) + " " +
                     testing::PrintToString(std::wstring(expected.pszName ? expected.pszName : L"(default)")));
        ASSERT_TRUE(KeyExists(expected.key));
        const std::optional<std::wstring> value = ReadString(expected.key, expected.pszName);
        if (expected.value && expected.key.find(L"InprocServer32") != std::wstring::npos && !expected.pszName)
        {
            ASSERT_TRUE(value.has_value());
            EXPECT_EQ(0, lstrcmpiW(expected.value->c_str(), value->c_str())) << testing::PrintToString(*value);
        }
        else
        {
            EXPECT_EQ(expected.value, value);
        }
    }
}

class Registration : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED)); }
    void TearDown() override
    {
        CoFreeUnusedLibrariesEx(0, 0);
        CoUninitialize();
    }
    CDialogWatcher m_watcher{[](const SeenDialog& dialog) { DismissMessageBox(dialog); }};
};

TEST_F(Registration, Regsvr32WritesEveryKeyAndUnregisteringRemovesThemButNotClsid)
{
    const std::wstring classKey = L"CLSID\\" + GuidString(CLSID_Zarn);
    // Something left by an older registration under the class key goes away.
    HKEY hStale = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, (classKey + L"\\Stale").c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &hStale, nullptr));
    RegCloseKey(hStale);

    ASSERT_EQ(0u, RunRegsvr32(KeyboardDllPath(), false));
    ExpectRegistered();
    EXPECT_FALSE(KeyExists(classKey + L"\\Stale"));

    // The type library is registered under its GUID, pointing at the module.
    const std::wstring libKey = L"TypeLib\\" + GuidString(LIBID_CORVELLLib) + L"\\1.0";
    EXPECT_EQ(std::optional<std::wstring>(L"Corvell 1.0 Type Library"), ReadString(libKey, nullptr));
    const std::optional<std::wstring> libPath = ReadString(libKey + L"\\0\\win64", nullptr);
    ASSERT_TRUE(libPath.has_value());
    EXPECT_EQ(0, lstrcmpiW(KeyboardDllPath().c_str(), libPath->c_str())) << testing::PrintToString(*libPath);

    // Registering again changes nothing.
    ASSERT_EQ(0u, RunRegsvr32(KeyboardDllPath(), false));
    ExpectRegistered();

    ASSERT_EQ(0u, RunRegsvr32(KeyboardDllPath(), true));
    EXPECT_FALSE(KeyExists(L"Keyboard.Zarn.1"));
    EXPECT_FALSE(KeyExists(L"Keyboard.Zarn"));
    EXPECT_FALSE(KeyExists(classKey));
    EXPECT_TRUE(KeyExists(L"CLSID"));
    // The type library stays registered.
    EXPECT_TRUE(KeyExists(libKey));

    // Unregistering what is not registered still succeeds.
    EXPECT_EQ(0u, RunRegsvr32(KeyboardDllPath(), true));

    // Leave the input method registered for the programs that look for it.
    ASSERT_EQ(0u, RunRegsvr32(KeyboardDllPath(), false));
}

TEST_F(Registration, AClientCreatesZarnByItsProgId)
{
    ASSERT_EQ(0u, RunRegsvr32(KeyboardDllPath(), false));
    for (const wchar_t* pszProgId : {L"Keyboard.Zarn", L"Keyboard.Zarn.1"})
    {
        CLSID clsid = {};
        ASSERT_EQ(S_OK, CLSIDFromProgID(pszProgId, &clsid));
        EXPECT_TRUE(IsEqualCLSID(CLSID_Zarn, clsid));

        CComPointer<IInputMethod> pInputMethod;
        ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInputMethod,
                                         pInputMethod.PutVoid()));
        DWORD dwData = 0;
        EXPECT_EQ(S_OK, pInputMethod->GetImData(4, &dwData));
        EXPECT_EQ(E_POINTER, pInputMethod->UserOptionsDlg(nullptr));

        // The module itself serves the type information.
        CComPointer<IDispatch> pDispatch;
        ASSERT_EQ(S_OK, pInputMethod->QueryInterface(IID_IDispatch, pDispatch.PutVoid()));
        CComPointer<ITypeInfo> pInfo;
        ASSERT_EQ(S_OK, pDispatch->GetTypeInfo(0, 0, pInfo.Put()));
        CComPointer<ITypeLib> pLib;
        UINT nIndex = 0;
        ASSERT_EQ(S_OK, pInfo->GetContainingTypeLib(pLib.Put(), &nIndex));
        BSTR bstrName = nullptr;
        BSTR bstrDoc = nullptr;
        ASSERT_EQ(S_OK, pLib->GetDocumentation(-1, &bstrName, &bstrDoc, nullptr, nullptr));
        EXPECT_STREQ(L"CORVELLLib", bstrName);
        EXPECT_STREQ(L"Corvell 1.0 Type Library", bstrDoc);
        SysFreeString(bstrName);
        SysFreeString(bstrDoc);
    }
    HMODULE hModule = GetModuleHandleW(KeyboardDllPath().c_str());
    ASSERT_NE(nullptr, hModule);
    WCHAR szName[32] = {};
    EXPECT_GT(LoadStringW(hModule, 100, szName, 32), 0);
    EXPECT_STREQ(L"Corvell", szName);
}

} // namespace
