#include "SkinTestFiles.h"

#include "device/harness/TextUtf.h"

#include "keyboard/KeyModel.h"
#include "settings/Settings.h"
#include "skin/LayoutLoader.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>


namespace {

uint32_t Grey(int, int) { return 0x808080; }

KeyRecord& Key(const wchar_t* pszEntry) { return g_skin.keys[FindKeyByEntry(pszEntry)]; }

class LayoutEntries : public testing::Test
{
protected:
    void SetUp() override
    {
        ResetSkinState();
        m_folder = m_files.MakeFolder(L"ZzLayout");
        wcscpy_s(g_skin.szSkinPath, m_folder.c_str());
        m_files.Write(L"ZzLayout\\k.bmp", MakeBmpBytes(30, 40, Grey));
    }
    void TearDown() override { ResetSkinState(); }

    int Load(const std::string& children)
    {
        const std::wstring path = m_files.Write(L"ZzLayout\\layout.xml", XmlDocumentText(children));
        return LoadLayoutFile(path.c_str(), GetModuleHandleW(nullptr), GetDesktopWindow());
    }

    CSkinTestFiles m_files;
    std::wstring m_folder;
};

TEST_F(LayoutEntries, DefaultBackgroundShowsTheCharacterView)
{
    g_nCurrentView = VIEW_SYMBOL;
    ASSERT_EQ(1, Load(LayoutHeader(4, 320, 240)));
    EXPECT_EQ(VIEW_CHAR, g_nCurrentView);
    // The design size and the orientation are checked with every test skin load (LoadSkinTest).
}

TEST_F(LayoutEntries, KeyBeforeDefaultBackgroundUsesTheEarlierDesignSize)
{
    g_dwHabit = 0;
    ASSERT_EQ(1, Load("<o OrientationValue='4'>Orientation</o>" + KeyEntry("char_Q", 10, 20, 30, 40) +
                      "<d BackgroundWidth='320' BackgroundHeight='240'>DefaultBackground</d>"));
    // First load: the design size is still 0 x 0.
    EXPECT_EQ(IsLandscapeScreen() ? "(10, 20)-(40, 60)" : "(-60, 10)-(-20, 40)", RectText(Key(L"char_Q").rcKey));
    ASSERT_EQ(1, Load("<o OrientationValue='4'>Orientation</o>" + KeyEntry("char_Q", 10, 20, 30, 40) +
                      "<d BackgroundWidth='640' BackgroundHeight='480'>DefaultBackground</d>"));
    EXPECT_EQ(IsLandscapeScreen() ? "(10, 20)-(40, 60)" : "(180, 10)-(220, 40)", RectText(Key(L"char_Q").rcKey));
}

TEST_F(LayoutEntries, OrientationWithoutAttributesIsIgnored)
{
    ASSERT_EQ(1, Load(LayoutHeader(5, 320, 240) + "<o>Orientation</o>"));
    EXPECT_EQ(5, g_skin.nOrientation);
    ASSERT_EQ(1, Load("<o Other='4'>Orientation</o>"));
    EXPECT_EQ(0, g_skin.nOrientation) << "an attribute of another name still makes it an entry";
}

// Their rectangles are checked with every test skin load (LoadSkinTest).
TEST_F(LayoutEntries, TextAreasGetNoImage)
{
    ASSERT_EQ(1, Load(LayoutHeader(IsLandscapeScreen() ? 4 : 5, 320, 240) +
                      KeyEntry("char_editview", 5, 6, 100, 20, "k.bmp") + KeyEntry("char_charview", 1, 2, 3, 4, "k.bmp")));
    for (const KeyRecord& key : g_skin.keys)
        EXPECT_EQ(nullptr, key.hPressedImage);
    EXPECT_EQ(nullptr, g_skin.hCharBackground);
}

// Which names are keys is decided natively; here, the text the DOM hands over.
TEST_F(LayoutEntries, EntryTextsMatchExactly)
{
    ASSERT_EQ(1, Load(LayoutHeader(IsLandscapeScreen() ? 4 : 5, 320, 240) + KeyEntry("char_a", 1, 1, 30, 40, "k.bmp") +
                      "<k Left='1' Top='1' Width='30' Height='40' DefaultPath='k.bmp'></k>" +
                      "<k Left='1' Top='1' Width='30' Height='40'>  char_D  </k>"));
    EXPECT_EQ("(0, 0)-(0, 0)", RectText(Key(L"char_A").rcKey));
    EXPECT_EQ(nullptr, Key(L"char_A").hPressedImage);
    // The DOM trims the element's text, so surrounding blanks still name the key.
    EXPECT_EQ("(1, 1)-(31, 41)", RectText(Key(L"char_D").rcKey));
}

TEST_F(LayoutEntries, SecondEntryForAKeyReplacesTheFirst)
{
    m_files.Write(L"ZzLayout\\k2.bmp", MakeBmpBytes(8, 9, Grey));
    ASSERT_EQ(1, Load(LayoutHeader(IsLandscapeScreen() ? 4 : 5, 320, 240) + KeyEntry("char_Z", 1, 1, 30, 40, "k.bmp")));
    ASSERT_NE(nullptr, Key(L"char_Z").hPressedImage);
    ASSERT_EQ(1, Load(KeyEntry("char_Z", 5, 5, 8, 9, "k2.bmp")));
    EXPECT_EQ("(5, 5)-(13, 14)", RectText(Key(L"char_Z").rcKey));
    int w = 0;
    ReadPixels(Key(L"char_Z").hPressedImage, &w);
    EXPECT_EQ(8, w);
    ASSERT_EQ(1, Load(KeyEntry("char_Z", 5, 5, 8, 9)));
    EXPECT_EQ(nullptr, Key(L"char_Z").hPressedImage) << "an entry without a bitmap clears the image";
}

// The document's own characters reach the key record, numeric references included, and
// all 15 the reader keeps (where it cuts is checked natively).
TEST_F(LayoutEntries, AKeysOwnAlternatesKeepTheirCharacters)
{
    ASSERT_EQ(1, Load(LayoutHeader(IsLandscapeScreen() ? 4 : 5, 320, 240) +
                      "<k Width='30' Height='40' Alternates='&#xE9;\xC5\x91&#x20AC;'>char_E</k>"
                      "<k Width='30' Height='40' Alternates='abcdefghijklmnopq'>char_A</k>"));
    EXPECT_EQ(Narrow(L"\x00E9\x0151\x20AC"), Narrow(Key(L"char_E").szAlternates));
    EXPECT_EQ("abcdefghijklmno", Narrow(Key(L"char_A").szAlternates));
}

TEST_F(LayoutEntries, NoSkinFolderFallsBackToSilver)
{
    g_skin.szSkinPath[0] = L'\0';
    m_files.Write(L"Silver\\ZzFallback.bmp", MakeBmpBytes(30, 40, Grey));
    ASSERT_EQ(1, Load(LayoutHeader(IsLandscapeScreen() ? 4 : 5, 320, 240) + KeyEntry("char_K", 0, 0, 30, 40, "ZzFallback.bmp")));
    EXPECT_EQ(m_files.SkinsFolder() + L"\\Silver", std::wstring(g_skin.szSkinPath));
    EXPECT_NE(nullptr, Key(L"char_K").hPressedImage);
}

}  // namespace
