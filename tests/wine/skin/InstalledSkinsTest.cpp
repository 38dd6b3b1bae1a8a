#include "SkinTestFiles.h"

#include "keyboard/KeyTable.h"
#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

// The skins the build installs next to the module, loaded on this screen with either hand.
using InstalledCase = std::tuple<const wchar_t*, DWORD>;

class InstalledSkin : public testing::TestWithParam<InstalledCase>
{
protected:
    void SetUp() override { ResetSkinState(); }
    void TearDown() override { ResetSkinState(); }
};

TEST_P(InstalledSkin, LoadsEveryKeyInsideTheKeyboardWithItsImage)
{
    const wchar_t* pszSkin = std::get<0>(GetParam());
    g_dwHabit = std::get<1>(GetParam());
    SetSkinFile(pszSkin);
    CTestWindow window;
    ASSERT_EQ(1, LoadSkin(GetModuleHandleW(nullptr), window.Get()));

    // The keyboard area is the design area as shown: turned on a screen of the other
    // orientation (a square screen counts as portrait).
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    const bool bDesignLandscape = g_skin.nOrientation == 4;
    const bool bScreenLandscape = sw > sh;
    const bool bTurned = bDesignLandscape != bScreenLandscape;
    const int nAreaW = bTurned ? g_skin.nBackgroundHeight : g_skin.nBackgroundWidth;
    const int nAreaH = bTurned ? g_skin.nBackgroundWidth : g_skin.nBackgroundHeight;
    ASSERT_GT(nAreaW, 0);
    ASSERT_GT(nAreaH, 0);
    EXPECT_LE(nAreaW, sw) << "the keyboard does not fit the screen";
    EXPECT_LE(nAreaH, sh) << "the keyboard does not fit the screen";

    for (HBITMAP hBackground : {g_skin.hCharBackground, g_skin.hSymbolBackground, g_skin.hNumberBackground})
    {
        int w = 0, h = 0;
        ASSERT_FALSE(ReadPixels(hBackground, &w, &h).empty());
        EXPECT_EQ(nAreaW, w);
        EXPECT_EQ(nAreaH, h);
    }
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const RECT& r = g_skin.keys[i].rcKey;
        const std::string where = "key " + std::string(FindKeyInfo(i)->pszEntry, FindKeyInfo(i)->pszEntry +
                                  wcslen(FindKeyInfo(i)->pszEntry)) + " at " + std::to_string(r.left) + "," +
                                  std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom);
        EXPECT_LT(r.left, r.right) << where;
        EXPECT_LT(r.top, r.bottom) << where;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= nAreaW && r.bottom <= nAreaH) << where;
        int w = 0, h = 0;
        EXPECT_FALSE(ReadPixels(g_skin.keys[i].hPressedImage, &w, &h).empty()) << where << " has no image";
        EXPECT_EQ(r.right - r.left, w) << where;
        EXPECT_EQ(r.bottom - r.top, h) << where;
    }
    const RECT& edit = g_skin.rcEditView;
    EXPECT_TRUE(edit.left < edit.right && edit.top < edit.bottom && edit.left >= 0 && edit.top >= 0 &&
                edit.right <= nAreaW && edit.bottom <= nAreaH);
}

INSTANTIATE_TEST_SUITE_P(Skins, InstalledSkin,
    testing::Combine(testing::Values(L"Silver.xml", L"Midnight.xml"), testing::Values(DWORD{0}, DWORD{1})),
    [](const testing::TestParamInfo<InstalledCase>& info) {
        const std::wstring skin = std::get<0>(info.param);
        return std::string(skin.begin(), skin.begin() + skin.find(L'.')) +
               (std::get<1>(info.param) != 0 ? "LeftHanded" : "RightHanded");
    });

}  // namespace
