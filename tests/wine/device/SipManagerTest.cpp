#include "WineTestSupport.h"
#include "device/SipManager.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A class registered the way regsvr32 registers one, removed again at the end.
class CRegisteredClass
{
public:
    CRegisteredClass(const wchar_t* pszClsid, const wchar_t* pszServer, const wchar_t* pszMark)
        : m_sKey(std::wstring(L"CLSID\\") + pszClsid)
    {
        HKEY hKey = nullptr;
        RegCreateKeyExW(HKEY_CLASSES_ROOT, (m_sKey + L"\\InprocServer32").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &hKey, nullptr);
        RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszServer),
                       static_cast<DWORD>((wcslen(pszServer) + 1) * sizeof(wchar_t)));
        RegCloseKey(hKey);
        if (pszMark != nullptr)
        {
            RegCreateKeyExW(HKEY_CLASSES_ROOT, (m_sKey + L"\\IsSIPInputMethod").c_str(), 0, nullptr, 0, KEY_WRITE,
                            nullptr, &hKey, nullptr);
            RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(pszMark),
                           static_cast<DWORD>((wcslen(pszMark) + 1) * sizeof(wchar_t)));
            RegCloseKey(hKey);
        }
    }
    ~CRegisteredClass() { RegDeleteTreeW(HKEY_CLASSES_ROOT, m_sKey.c_str()); }
    CRegisteredClass(const CRegisteredClass&) = delete;
    CRegisteredClass& operator=(const CRegisteredClass&) = delete;

private:
    std::wstring m_sKey;
};

constexpr wchar_t kElsewhere[] = L"{6D1F3A10-0000-4B1E-9A55-0000000000A0}";
constexpr wchar_t kMarked[] = L"{6D1F3A10-0000-4B1E-9A55-0000000000A1}";
constexpr wchar_t kOther[] = L"{6D1F3A10-0000-4B1E-9A55-0000000000A2}";
constexpr wchar_t kUnmarked[] = L"{6D1F3A10-0000-4B1E-9A55-0000000000A3}";

TEST(SipManager, FindsTheMarkedClassOfTheModule)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "screen-independent";
    CRegisteredClass elsewhere(kElsewhere, L"C:\\elsewhere\\Other.dll", L"1");
    CRegisteredClass unmarked(kUnmarked, L"C:\\device\\Keyboard.dll", nullptr);
    CRegisteredClass wrongMark(kOther, L"C:\\device\\Keyboard.dll", L"0");
    CRegisteredClass marked(kMarked, L"C:\\DEVICE\\keyboard.dll", L"1");
    CLSID clsid{};
    ASSERT_TRUE(FindInputMethodClass(L"C:\\device\\Keyboard.dll", clsid)) << "file names compare without case";
    CLSID expected{};
    CLSIDFromString(kMarked, &expected);
    EXPECT_TRUE(IsEqualCLSID(expected, clsid)) << "the module's own class wins over another marked one";
}

TEST(SipManager, RegistersWithRegsvr32AndReportsItsFailure)
{
    if (!IsScreen(240, 320))
        GTEST_SKIP() << "screen-independent";
    std::wstring sError;
    EXPECT_FALSE(RegisterModule(L"C:\\no\\such\\module.dll", sError));
    EXPECT_NE(std::wstring::npos, sError.find(L"regsvr32")) << "the reason names the tool";
}

}  // namespace
