#include "settings/DataFile.h"
#include "settings/ModulePath.h"
#include "settings/SettingsFileTest.h"
#include "support/ModuleInstance.h"

#include <gtest/gtest.h>

namespace {

class DataFile : public testing::Test
{
protected:
    CFreshSettings m_fresh;
    std::wstring m_path = OptionsPath();
};

TEST_F(DataFile, HandleIsInvalidWhenClosed)
{
    CDataFile file;
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.Handle());
    EXPECT_FALSE(file.Open(m_path.c_str(), FALSE));
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.Handle());
    EXPECT_TRUE(file.Open(m_path.c_str(), TRUE));
    EXPECT_NE(INVALID_HANDLE_VALUE, file.Handle());
    file.Close();
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.Handle());
    file.Close();
    EXPECT_EQ(INVALID_HANDLE_VALUE, file.Handle());
}

TEST_F(DataFile, DestructorClosesTheFile)
{
    {
        CDataFile file;
        ASSERT_TRUE(file.Open(m_path.c_str(), TRUE));
        EXPECT_TRUE(file.WriteDword(0x04030201));
        EXPECT_TRUE(file.WriteString(L"ab"));
    }
    // Share mode 0: this open would fail while the file were still open.
    EXPECT_EQ(Join({Bytes{1, 2, 3, 4}, LeDword(2), Utf16Le(L"ab")}), ReadWholeFile(m_path));
}

TEST_F(DataFile, OpenIsExclusive)
{
    CDataFile first;
    ASSERT_TRUE(first.Open(m_path.c_str(), TRUE));
    CDataFile second;
    EXPECT_FALSE(second.Open(m_path.c_str(), FALSE));
    EXPECT_FALSE(second.Open(m_path.c_str(), TRUE));
}

TEST_F(DataFile, ReadsAtTheEndSucceedWithNothingRead)
{
    ASSERT_TRUE(WriteWholeFile(m_path, Bytes{9, 0}));
    CDataFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), FALSE));
    DWORD dw = 0xFFFFFFFF;
    EXPECT_TRUE(file.ReadDword(dw));
    EXPECT_EQ(9u, dw);  // two bytes read, the rest zero
    dw = 0xFFFFFFFF;
    EXPECT_TRUE(file.ReadDword(dw));
    EXPECT_EQ(0u, dw);
    WCHAR szBuffer[4] = L"xyz";
    EXPECT_TRUE(file.ReadString(szBuffer, sizeof(szBuffer)));
    EXPECT_STREQ(L"", szBuffer);
}

TEST_F(DataFile, ReadingAFileOpenedForWritingFails)
{
    CDataFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), TRUE));
    DWORD dw = 77;
    EXPECT_FALSE(file.ReadDword(dw));
    EXPECT_EQ(77u, dw);
    WCHAR szBuffer[8] = L"keep";
    EXPECT_FALSE(file.ReadString(szBuffer, sizeof(szBuffer)));
    EXPECT_STREQ(L"keep", szBuffer);
}

TEST_F(DataFile, StringThatWouldNotFitIsNotRead)
{
    ASSERT_TRUE(WriteWholeFile(m_path, Join({LeDword(4), Utf16Le(L"abcd"), LeDword(3)})));
    CDataFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), FALSE));
    WCHAR szBuffer[4] = L"old";
    EXPECT_FALSE(file.ReadString(szBuffer, sizeof(szBuffer)));  // 8 bytes of text, 8-byte buffer
    EXPECT_STREQ(L"old", szBuffer);
    // The text was skipped by nobody: the next read starts right after the count.
    DWORD dw = 0;
    EXPECT_TRUE(file.ReadDword(dw));
    EXPECT_EQ(0x00620061u, dw);
}

struct TimeCase { DWORD dwHighA, dwLowA, dwHighB, dwLowB; int nSign; };

TEST(DataFileTimes, CompareGivesTheOrder)
{
    const TimeCase kCases[] = {
        {0, 0, 0, 0, 0}, {0, 0, 0, 1, -1}, {0, 1, 0, 0, 1},
        {1, 0, 0, 0xFFFFFFFF, 1}, {0, 0xFFFFFFFF, 1, 0, -1}, {0x01D9, 5, 0x01D9, 5, 0},
    };
    for (const TimeCase& c : kCases)
    {
        const FILETIME a = {c.dwLowA, c.dwHighA};
        const FILETIME b = {c.dwLowB, c.dwHighB};
        const LONG n = CDataFile::CompareTimes(a, b);
        EXPECT_EQ(c.nSign, (n > 0) - (n < 0)) << c.dwHighA << ":" << c.dwLowA << " vs " << c.dwHighB << ":" << c.dwLowB;
    }
}

TEST(BuildModulePathTest, FolderOfTheModuleAndTheSuffix)
{
    WCHAR szModule[MAX_PATH];
    const DWORD cch = GetModuleFileNameW(g_hInstance, szModule, MAX_PATH);
    std::wstring folder(szModule, cch);
    folder.resize(folder.rfind(L'\\'));

    const wchar_t* kSuffixes[] = {L"\\Options.dat", L"\\skins", L"\\skins\\Silver"};
    for (const wchar_t* pszSuffix : kSuffixes)
    {
        WCHAR szOut[MAX_PATH];
        EXPECT_TRUE(BuildModulePath(g_hInstance, pszSuffix, szOut));
        EXPECT_EQ(folder + pszSuffix, std::wstring(szOut));
    }
}

TEST(BuildModulePathTest, PathsThatDoNotFitAreRefusedWhole)
{
    WCHAR szModule[MAX_PATH];
    const DWORD cch = GetModuleFileNameW(g_hInstance, szModule, MAX_PATH);
    const size_t cchFolder = std::wstring(szModule, cch).rfind(L'\\');
    // The longest suffix that fits, and one unit more.
    const std::wstring fits = L"\\" + std::wstring(MAX_PATH - 1 - cchFolder - 1, L's');
    const std::wstring tooLong = fits + L"s";

    WCHAR szOut[MAX_PATH];
    EXPECT_TRUE(BuildModulePath(g_hInstance, fits.c_str(), szOut));
    EXPECT_EQ(MAX_PATH - 1, static_cast<int>(wcslen(szOut)));

    std::fill(std::begin(szOut), std::end(szOut), L'#');
    EXPECT_FALSE(BuildModulePath(g_hInstance, tooLong.c_str(), szOut));
    EXPECT_EQ(L'\0', szOut[0]);
}

TEST(BuildModulePathTest, UnknownModuleGivesNothing)
{
    WCHAR szOut[MAX_PATH] = L"stale";
    EXPECT_FALSE(BuildModulePath(reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x1230)), L"\\Options.dat", szOut));
    EXPECT_EQ(L'\0', szOut[0]);
}

}  // namespace

namespace {

TEST(BuildModulePathTest, PathsOfTheLoadedKeyboardModule)
{
    const std::wstring folder = [] {
        WCHAR szExe[MAX_PATH];
        const DWORD cch = GetModuleFileNameW(nullptr, szExe, MAX_PATH);
        std::wstring path(szExe, cch);
        return path.substr(0, path.rfind(L'\\'));
    }();
    HMODULE hKeyboard = LoadLibraryW((folder + L"\\Keyboard.dll").c_str());
    ASSERT_NE(nullptr, hKeyboard) << "Keyboard.dll is not beside the test program";
    WCHAR szOut[MAX_PATH];
    EXPECT_TRUE(BuildModulePath(hKeyboard, L"\\Options.dat", szOut));
    EXPECT_EQ(folder + L"\\Options.dat", std::wstring(szOut));
    EXPECT_TRUE(BuildModulePath(hKeyboard, L"\\skins\\Silver", szOut));
    EXPECT_EQ(folder + L"\\skins\\Silver", std::wstring(szOut));
    FreeLibrary(hKeyboard);
}

}  // namespace
