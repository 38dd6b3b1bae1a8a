#include "Corvell.h"
#include "device/SipManager.h"
#include "platform/SipInterfaces.h"
#include "sip/DialogWatcher.h"
#include "sip/ServerTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// The device registers the module and creates the class marked as an input
// method on every scenario; here, every key and value regsvr32 leaves.
namespace
{

std::wstring GuidString(REFGUID guid)
{
    WCHAR sz[39] = {};
    StringFromGUID2(guid, sz, 39);
    return sz;
}

// Registers the module as the device does, or unregisters it.
bool Regsvr32(bool bUnregister = false)
{
    std::wstring sError;
    return RegisterModule(KeyboardDllPath(), sError, bUnregister);
}

bool KeyExists(const std::wstring& path)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

// The REG_SZ value, or nothing when the key or the value is missing or of another type.
std::optional<std::wstring> ReadString(const std::wstring& path, const wchar_t* pszName)
{
    WCHAR szValue[MAX_PATH * 2] = {};
    DWORD cb = sizeof(szValue);
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), pszName, RRF_RT_REG_SZ, nullptr, szValue, &cb) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(szValue);
}

// Paths compare without regard to case.
bool SamePath(const std::optional<std::wstring>& value, const std::wstring& expected)
{
    return value && lstrcmpiW(value->c_str(), expected.c_str()) == 0;
}

void ExpectRegistered()
{
    const std::wstring clsid = GuidString(CLSID_Zarn);
    const std::wstring classKey = L"CLSID\\" + clsid;
    struct Expected { std::wstring key; const wchar_t* pszName; std::optional<std::wstring> value; };
    const Expected aExpected[] = {
        {L"Keyboard.Zarn.1", nullptr, L"Zarn Class"},
        {L"Keyboard.Zarn.1\\CLSID", nullptr, clsid},
        {L"Keyboard.Zarn", nullptr, L"Zarn Class"},
        {L"Keyboard.Zarn\\CLSID", nullptr, clsid},
        {L"Keyboard.Zarn\\CurVer", nullptr, L"Keyboard.Zarn.1"},
        {classKey, nullptr, L"Brevanto Keyboard"},
        {classKey + L"\\ProgID", nullptr, L"Keyboard.Zarn.1"},
        {classKey + L"\\VersionIndependentProgID", nullptr, L"Keyboard.Zarn"},
        {classKey + L"\\IsSIPInputMethod", nullptr, L"1"},
        {classKey + L"\\Programmable", nullptr, std::nullopt},  // the key, without a value
        {classKey + L"\\InprocServer32", L"ThreadingModel", L"Free"},
        {classKey + L"\\TypeLib", nullptr, GuidString(LIBID_CORVELLLib)},
    };
    for (const Expected& e : aExpected)
    {
        SCOPED_TRACE(testing::PrintToString(e.key));
        ASSERT_TRUE(KeyExists(e.key));
        EXPECT_EQ(e.value, ReadString(e.key, e.pszName));
    }
    EXPECT_TRUE(SamePath(ReadString(classKey + L"\\InprocServer32", nullptr), KeyboardDllPath()));
}

TEST(Registration, Regsvr32WritesEveryKeyAndUnregisteringRemovesThemButNotClsid)
{
    CDialogWatcher watcher([](const SeenDialog& dialog) { DismissMessageBox(dialog); });
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    const std::wstring classKey = L"CLSID\\" + GuidString(CLSID_Zarn);
    // Something left by an older registration under the class key goes away.
    HKEY hStale = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, (classKey + L"\\Stale").c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &hStale, nullptr));
    RegCloseKey(hStale);

    ASSERT_TRUE(Regsvr32());
    ExpectRegistered();
    EXPECT_FALSE(KeyExists(classKey + L"\\Stale"));

    // The type library is registered under its GUID, pointing at the module.
    const std::wstring libKey = L"TypeLib\\" + GuidString(LIBID_CORVELLLib) + L"\\1.0";
    EXPECT_EQ(std::optional<std::wstring>(L"Corvell 1.0 Type Library"), ReadString(libKey, nullptr));
    EXPECT_TRUE(SamePath(ReadString(libKey + L"\\0\\win64", nullptr), KeyboardDllPath()));

    // Registering again changes nothing.
    ASSERT_TRUE(Regsvr32());
    ExpectRegistered();

    ASSERT_TRUE(Regsvr32(true));
    EXPECT_FALSE(KeyExists(L"Keyboard.Zarn.1"));
    EXPECT_FALSE(KeyExists(L"Keyboard.Zarn"));
    EXPECT_FALSE(KeyExists(classKey));
    EXPECT_TRUE(KeyExists(L"CLSID"));
    EXPECT_TRUE(KeyExists(libKey)) << "the type library stays registered";

    // Unregistering what is not registered still succeeds.
    EXPECT_TRUE(Regsvr32(true));

    // Leave the input method registered for the programs that look for it.
    ASSERT_TRUE(Regsvr32());
    CoUninitialize();
}

} // namespace
