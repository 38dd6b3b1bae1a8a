#include "TestSkin.h"

#include "keyboard/KeyModel.h"
#include "settings/Settings.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

namespace {

// The turn this screen must give the landscape test skin: none on a landscape screen,
// else by the hand (a square screen counts as portrait). The turn's arithmetic is
// checked natively; here, that the loader applies it to every rectangle and picture.
SkinTurn ExpectedTurn(DWORD dwHabit)
{
    if (IsLandscapeScreen())
        return SkinTurn::None;
    return dwHabit != 0 ? SkinTurn::CounterClockwise : SkinTurn::Clockwise;
}

class LoadSkinOnThisScreen : public testing::TestWithParam<DWORD>
{
protected:
    void SetUp() override { ResetSkinState(); }
    void TearDown() override { ResetSkinState(); }
    CTestSkin m_skin;
};

// Through LoadSkin, the layout of this screen's class; for another short side, that
// side's layout; either turned as this screen turns it.
TEST_P(LoadSkinOnThisScreen, EveryKeyGetsItsTurnedRectangleAndImageFromTheShortSidesLayout)
{
    struct Case { int nShortSide; int nClass; };   // nShortSide 0: this screen's; nClass 0: no layout fits
    for (const Case& c : {Case{0, ScreenClass()}, Case{240, 240}, Case{480, 480}, Case{320, 240}, Case{200, 0}})
    {
        SCOPED_TRACE(c.nShortSide);
        ASSERT_EQ(1, m_skin.Load(GetParam()));
        EXPECT_EQ(4, g_skin.nOrientation);
        EXPECT_EQ(m_skin.Files().SkinsFolder() + L"\\ZzTestSkin", std::wstring(g_skin.szSkinPath));
        if (c.nShortSide != 0)
        {
            ReleaseSkin();
            ASSERT_EQ(c.nClass != 0 ? 1 : 0,
                      LoadSkinForShortSide(GetModuleHandleW(nullptr), GetDesktopWindow(), c.nShortSide));
        }
        if (c.nClass == 0)
        {
            EXPECT_EQ(nullptr, g_skin.hCharBackground);
        }
        else
        {
            ExpectTestSkinLoaded(TestSkinPlan(c.nClass), ExpectedTurn(GetParam()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Hands, LoadSkinOnThisScreen, testing::Values(DWORD{0}, DWORD{1}), HandName);

// Silver is installed next to the test program, as next to the module.
TEST(LoadSkin, EmptySkinFileLoadsSilverAndKeepsTheName)
{
    ResetSkinState();
    CSkinTestFiles files;
    SetSkinFile(L"");
    EXPECT_EQ(1, LoadSkin(GetModuleHandleW(nullptr), GetDesktopWindow()));
    EXPECT_STREQ(L"Silver.xml", g_szSkinFile);
    EXPECT_EQ(files.SkinsFolder() + L"\\Silver", std::wstring(g_skin.szSkinPath));
    ResetSkinState();
}

}  // namespace
