#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const Bytes kDefaultFile = {0x01, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 'S', 0, 'i', 0, 'l', 0, 'v', 0,
                            'e', 0, 'r', 0, '.', 0, 'x', 0, 'm', 0, 'l', 0};

class SettingsStore : public testing::Test
{
protected:
    CFreshSettings m_fresh;
    std::wstring m_path = OptionsPath();
};

TEST_F(SettingsStore, OptionsFileLivesNextToTheModule)
{
    WCHAR szModule[MAX_PATH];
    const DWORD cch = GetModuleFileNameW(nullptr, szModule, MAX_PATH);
    std::wstring folder(szModule, cch);
    folder.resize(folder.rfind(L'\\'));
    EXPECT_EQ(folder + L"\\Options.dat", m_path);
}

TEST_F(SettingsStore, FirstLoadWritesTheDefaultFile)
{
    LoadOptions();
    EXPECT_EQ(kDefaultFile, ReadWholeFile(m_path));
    EXPECT_EQ(1u, g_dwHabit);
    EXPECT_STREQ(L"Silver.xml", g_szSkinFile);
}

TEST_F(SettingsStore, FirstLoadWritesWhatIsInMemory)
{
    SetHabit(0);
    SetSkinFile(L"Blue.xml");
    LoadOptions();
    EXPECT_EQ(Join({LeDword(0), LeDword(8), Utf16Le(L"Blue.xml")}), ReadWholeFile(m_path));
}

struct LoadCase
{
    const char* pszName;
    Bytes file;
    DWORD dwExpectedHabit;
    const wchar_t* pszExpectedSkin;
};

class LoadExisting : public SettingsStore, public testing::WithParamInterface<LoadCase> {};

// Memory holds habit 7 and "Before.xml" before each load, so that a value
// left alone is told apart from one read or cleared.
TEST_P(LoadExisting, ReadsTheFileAndLeavesItAsItWas)
{
    const LoadCase& c = GetParam();
    ASSERT_TRUE(WriteWholeFile(m_path, c.file));
    g_dwHabit = 7;
    SetSkinFile(L"Before.xml");
    LoadOptions();
    EXPECT_EQ(c.dwExpectedHabit, GetHabit()) << c.pszName;
    EXPECT_STREQ(c.pszExpectedSkin, g_szSkinFile) << c.pszName;
    EXPECT_EQ(c.file, ReadWholeFile(m_path)) << c.pszName;
}

INSTANTIATE_TEST_SUITE_P(Files, LoadExisting, testing::Values(
    LoadCase{"default", kDefaultFile, 1, L"Silver.xml"},
    LoadCase{"right-handed other skin", Join({LeDword(0), LeDword(9), Utf16Le(L"Black.xml")}), 0, L"Black.xml"},
    LoadCase{"count 300", Join({LeDword(0), LeDword(300), Utf16Le(L"Black.xml")}), 0, L"Before.xml"},
    LoadCase{"count 0xFFFFFFFF", Join({LeDword(1), LeDword(0xFFFFFFFF)}), 1, L"Before.xml"},
    LoadCase{"count 0x80000000", Join({LeDword(1), LeDword(0x80000000), Utf16Le(L"x")}), 1, L"Before.xml"},
    LoadCase{"empty file", Bytes{}, 0, L""},
    LoadCase{"three bytes", Bytes{1, 0, 0}, 1, L""},
    LoadCase{"count cut", Join({LeDword(1), Bytes{5, 0}}), 1, L""},
    LoadCase{"name cut mid-unit", Bytes(kDefaultFile.begin(), kDefaultFile.begin() + 17), 1, L"Silve"},
    LoadCase{"name cut", Bytes(kDefaultFile.begin(), kDefaultFile.begin() + 16), 1, L"Silv"},
    LoadCase{"trailing bytes", Join({kDefaultFile, Bytes{0xFF, 0xFE, 0xFD}}), 1, L"Silver.xml"}));

TEST_F(SettingsStore, RandomBytesLoadWithinBounds)
{
    std::mt19937 random(20101228);
    for (int nRound = 0; nRound < 50; ++nRound)
    {
        Bytes file(nRound < 8 ? nRound : random() % 700);  // the first rounds are shorter than the fields
        for (unsigned char& b : file)
            b = static_cast<unsigned char>(random());
        if (file.size() >= 8 && nRound % 2 == 0)
        {
            // Half the rounds carry a count that fits, so that names get read too.
            const DWORD n = static_cast<DWORD>((file.size() - 8) / 2 % 260);
            std::copy_n(LeDword(n).begin(), 4, file.begin() + 4);
        }
        ASSERT_TRUE(WriteWholeFile(m_path, file));
        SetSkinFile(L"Before.xml");
        g_dwHabit = 7;
        LoadOptions();

        // Missing habit bytes read as zeros.
        DWORD dwStored = 0;
        for (size_t i = 0; i < 4 && i < file.size(); ++i)
            dwStored |= DWORD(file[i]) << (8 * i);
        EXPECT_EQ(dwStored, g_dwHabit) << "round " << nRound;
        // A refused count keeps the name that was there.
        if (file.size() >= 8 && (file[4] | file[5] << 8 | file[6] << 16 | DWORD(file[7]) << 24) >= 260)
        {
            EXPECT_STREQ(L"Before.xml", g_szSkinFile) << "round " << nRound;
        }
        EXPECT_EQ(L'\0', g_szSkinFile[MAX_PATH - 1]);
        EXPECT_EQ(file, ReadWholeFile(m_path)) << "round " << nRound;
    }
}

TEST_F(SettingsStore, SaveRewritesTheFileFromScratch)
{
    ASSERT_TRUE(WriteWholeFile(m_path, Join({kDefaultFile, Bytes(100, 0xAB)})));
    SetHabit(0);
    SetSkinFile(L"Blue.xml");
    SaveOptions();
    EXPECT_EQ(Join({LeDword(0), LeDword(8), Utf16Le(L"Blue.xml")}), ReadWholeFile(m_path));
}

TEST_F(SettingsStore, SaveOfAnEmptySkinWritesAndKeepsTheDefault)
{
    SetHabit(1);
    SetSkinFile(L"");
    SaveOptions();
    EXPECT_EQ(kDefaultFile, ReadWholeFile(m_path));
    EXPECT_STREQ(L"Silver.xml", g_szSkinFile);
}

TEST_F(SettingsStore, SaveThenLoadGivesTheSameValues)
{
    SetHabit(0);
    SetSkinFile(L"\x00C9t\x00E9 skin.xml");
    SaveOptions();
    SetHabit(1);
    SetSkinFile(L"Other.xml");
    LoadOptions();
    EXPECT_EQ(0u, GetHabit());
    EXPECT_STREQ(L"\x00C9t\x00E9 skin.xml", g_szSkinFile);
}

TEST_F(SettingsStore, FolderInPlaceOfTheFileChangesNothing)
{
    ASSERT_TRUE(CreateDirectoryW(m_path.c_str(), nullptr));
    SetHabit(0);
    SetSkinFile(L"Blue.xml");
    LoadOptions();
    SaveOptions();
    EXPECT_EQ(0u, GetHabit());
    EXPECT_STREQ(L"Blue.xml", g_szSkinFile);
    SetLoadedOrientation(GetScreenOrientation());
    EXPECT_TRUE(IsOptionsChanged());
    const DWORD dwAttributes = GetFileAttributesW(m_path.c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, dwAttributes);
    EXPECT_TRUE(dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST_F(SettingsStore, ReadOnlyFileLoadsButIsNotRewritten)
{
    const Bytes file = Join({LeDword(0), LeDword(8), Utf16Le(L"Blue.xml")});
    ASSERT_TRUE(WriteWholeFile(m_path, file));
    ASSERT_TRUE(SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    LoadOptions();
    EXPECT_EQ(0u, GetHabit());
    EXPECT_STREQ(L"Blue.xml", g_szSkinFile);

    SetHabit(1);
    SetSkinFile(L"");
    SaveOptions();
    EXPECT_EQ(file, ReadWholeFile(m_path));
    EXPECT_EQ(1u, GetHabit());
    EXPECT_STREQ(L"", g_szSkinFile);  // the save stopped before the default was put in
}

TEST_F(SettingsStore, FileHeldOpenElsewhereIsNeitherReadNorWritten)
{
    ASSERT_TRUE(WriteWholeFile(m_path, kDefaultFile));
    HANDLE h = CreateFileW(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    SetHabit(0);
    SetSkinFile(L"Blue.xml");
    LoadOptions();
    SaveOptions();
    CloseHandle(h);
    EXPECT_EQ(0u, GetHabit());
    EXPECT_STREQ(L"Blue.xml", g_szSkinFile);
    EXPECT_EQ(kDefaultFile, ReadWholeFile(m_path));
}

TEST_F(SettingsStore, SkinNameIsCutTo259Units)
{
    SetSkinFile(std::wstring(300, L'k').c_str());
    WCHAR szOut[MAX_PATH];
    std::fill(std::begin(szOut), std::end(szOut), L'#');
    GetSkinFile(szOut);
    EXPECT_EQ(std::wstring(259, L'k'), std::wstring(szOut));
    SetSkinFile(nullptr);
    EXPECT_STREQ(L"", g_szSkinFile);
}

}  // namespace
