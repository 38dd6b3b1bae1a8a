#include "settings/DataFile.h"
#include "settings/ModulePath.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// What the codec makes of every byte pattern is checked natively; here, what
// the store does with the real file around it.
class SettingsStore : public testing::Test
{
protected:
    CFreshSettings m_fresh;
    std::wstring m_path = OptionsPath();
};

// No word setting at its default.
const WordSettings kWordsBefore = {false, 4, 1, false, false, WordList::Espanol};
const WordSettings kDefaultWords;

struct LoadCase
{
    const char* pszName;
    std::optional<Bytes> file;  // nothing: no file
    DWORD dwHabit;
    const wchar_t* pszSkin;
    Bytes fileAfter;
    WordSettings words;
};

// Memory holds habit 7, "Before.xml" and kWordsBefore before each load, so that a
// value left alone is told apart from one read or cleared.
TEST_F(SettingsStore, LoadReadsAnExistingFileAsItIsAndWritesAMissingOne)
{
    const Bytes count300 = {0, 0, 0, 0, 0x2C, 0x01, 0, 0, 'B', 0};
    const WordSettings someWords = {true, 1, 4, false, true, WordList::Italiano};
    const Bytes accentsOnly = OptionsFileBytes(0, L"Black.xml", {0, 0, 0, 0});
    const LoadCase aCases[] = {
        {"no file: memory is written", std::nullopt, 7, L"Before.xml",
         OptionsFileBytes(7, L"Before.xml", StoredTail(true, kWordsBefore)), kWordsBefore},
        {"refused count", count300, 0, L"Before.xml", count300, kWordsBefore},
        {"empty file", Bytes{}, 0, L"", Bytes{}, kDefaultWords},
        {"trailing bytes", OptionsFileBytes(0, L"Black.xml", {0xFF, 0xFE}), 0, L"Black.xml",
         OptionsFileBytes(0, L"Black.xml", {0xFF, 0xFE}), kDefaultWords},
        {"a file before the word settings", accentsOnly, 0, L"Black.xml", accentsOnly, kDefaultWords},
        {"word settings", OptionsFileBytes(1, L"Black.xml", StoredTail(false, someWords)), 1, L"Black.xml",
         OptionsFileBytes(1, L"Black.xml", StoredTail(false, someWords)), someWords},
    };
    for (const LoadCase& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        RemovePath(m_path);
        if (c.file)
        {
            ASSERT_TRUE(WriteFileBytes(m_path, *c.file));
        }
        g_dwHabit = 7;
        SetSkinFile(L"Before.xml");
        SetWordSettings(kWordsBefore);
        LoadOptions();
        EXPECT_EQ(c.dwHabit, GetHabit());
        EXPECT_STREQ(c.pszSkin, g_szSkinFile);
        EXPECT_EQ(WordSettingsText(c.words), WordSettingsText(GetWordSettings()));
        EXPECT_EQ(c.fileAfter, ReadFileBytes(m_path));
    }
}

TEST_F(SettingsStore, SaveRewritesTheFileFromScratchAndFillsInTheDefaultSkin)
{
    ASSERT_TRUE(WriteFileBytes(m_path, OptionsFileBytes(1, L"Silver.xml", Bytes(100, 0xAB))));
    SetHabit(0);
    SetSkinFile(L"\x00C9t\x00E9.xml");
    SaveOptions();
    EXPECT_EQ(OptionsFileBytes(0, L"\x00C9t\x00E9.xml"), ReadFileBytes(m_path));

    SetHabit(1);
    SetSkinFile(L"");
    // Out of their ranges, the word settings are kept as the nearest values in them.
    SetWordSettings(WordSettings{false, 0, 9, true, false, static_cast<WordList>(6)});
    SaveOptions();
    const WordSettings saved = {false, 1, 4, true, false, WordList::Automatic};
    EXPECT_EQ(OptionsFileBytes(1, L"Silver.xml", StoredTail(true, saved)), ReadFileBytes(m_path));
    EXPECT_STREQ(L"Silver.xml", g_szSkinFile);
    EXPECT_EQ(WordSettingsText(saved), WordSettingsText(GetWordSettings()));
}

// A folder in the file's place, a read-only file and a file held open
// elsewhere: nothing is written, and a save stops before it fills in the default.
TEST_F(SettingsStore, AFileThatCannotBeWrittenIsLeftAlone)
{
    enum Block { Folder, ReadOnly, HeldOpen };
    struct Case { const char* pszName; Block block; DWORD dwHabit; const wchar_t* pszSkin; };
    const Case aCases[] = {
        {"folder", Folder, 0, L"Blue.xml"},
        {"read-only: read", ReadOnly, 1, L"Red.xml"},
        {"held open: not even read", HeldOpen, 0, L"Blue.xml"},
    };
    const Bytes red = OptionsFileBytes(1, L"Red.xml");
    for (const Case& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        RemovePath(m_path);
        HANDLE hHeld = INVALID_HANDLE_VALUE;
        const bool bMade = c.block == Folder ? CreateDirectoryW(m_path.c_str(), nullptr) != FALSE
                                             : WriteFileBytes(m_path, red);
        ASSERT_TRUE(bMade);
        ASSERT_TRUE(c.block != ReadOnly || SetFileAttributesW(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
        if (c.block == HeldOpen)
            hHeld = CreateFileW(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetHabit(0);
        SetSkinFile(L"Blue.xml");
        LoadOptions();
        EXPECT_EQ(c.dwHabit, GetHabit());
        EXPECT_STREQ(c.pszSkin, g_szSkinFile);
        SetSkinFile(L"");
        SaveOptions();
        EXPECT_STREQ(L"", g_szSkinFile);
        SetLoadedOrientation(GetScreenOrientation());
        IsOptionsChanged();
        EXPECT_EQ(c.block != ReadOnly, IsOptionsChanged()) << "a file that cannot be read stays a change";
        if (hHeld != INVALID_HANDLE_VALUE)
            CloseHandle(hHeld);
        const DWORD dwAttributes = GetFileAttributesW(m_path.c_str());
        if (c.block == Folder)
            EXPECT_TRUE(dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY));
        else
            EXPECT_EQ(red, ReadFileBytes(m_path));
    }
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

// The file is opened without sharing: a save never meets a reader halfway.
TEST_F(SettingsStore, TheFileIsOpenedForOneUserAtATime)
{
    CDataFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), TRUE));
    CDataFile second;
    EXPECT_FALSE(second.Open(m_path.c_str(), FALSE));
    EXPECT_FALSE(second.Open(m_path.c_str(), TRUE));
    file.Close();
    EXPECT_TRUE(second.Open(m_path.c_str(), FALSE));
}

// The composition is checked natively, and the module's real folder by every
// scenario (the device finds the skins and Options.dat beside Keyboard.dll);
// here, a handle that names no module.
TEST(BuildModulePathTest, ANonModuleGivesNothing)
{
    WCHAR szOut[MAX_PATH] = L"stale";
    EXPECT_FALSE(BuildModulePath(reinterpret_cast<HMODULE>(static_cast<INT_PTR>(0x1230)), L"\\Options.dat", szOut));
    EXPECT_EQ(L'\0', szOut[0]);
}

}  // namespace
