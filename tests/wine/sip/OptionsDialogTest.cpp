#include "resources/resource.h"
#include "settings/OptionsDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/OptionsDialogDriver.h"
#include "sip/TestStateGuards.h"
#include "skin/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"
#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// The skins installed next to the test program, as the skin catalogue lists them.
std::vector<SkinListEntry> InstalledSkins()
{
    CRecordList list;
    EnumerateSkins(&list, g_hInstance);
    std::vector<SkinListEntry> skins;
    for (int i = 0; i < list.Count(); ++i)
    {
        SkinListEntry entry = {};
        if (list.Get(i, &entry, sizeof(entry)))
            skins.push_back(entry);
    }
    return skins;
}

class OptionsDialogTest : public testing::Test
{
protected:
    void SetUp() override { m_skins = InstalledSkins(); }

    // Runs the dialog as the bar's options button does and acts on it.
    INT_PTR Run(const OptionsChoice& choice, OptionsShown& shown, std::vector<SeenDialog>* pSeen = nullptr)
    {
        INT_PTR nResult = 0;
        std::vector<SeenDialog> seen = AttendOptionsDialog(
            [&] {
                COptionsDlg dialog;
                nResult = dialog.DoModal(g_hInstance, nullptr, 0);
            },
            choice, shown);
        if (pSeen != nullptr)
            *pSeen = seen;
        return nResult;
    }

    bool IsSupported() const { return GetResolutionClass() != ResolutionClass::Unsupported; }

    CSettingsRestorer m_settings;
    COptionsFileKeeper m_optionsFile;
    std::vector<SkinListEntry> m_skins;
};

TEST_F(OptionsDialogTest, OkSavesTheSecondSkinAndRightHandedByteForByte)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u) << "two skins must be installed";
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFileBytes(1, m_skins[0].szFileName)));

    OptionsChoice choice;
    choice.nSelectSkin = 1;
    choice.nClickRadio = IDC_OPTIONS_RIGHT;
    OptionsShown state;
    ASSERT_EQ(1, Run(choice, state));

    EXPECT_EQ(0, state.nShownSkin);
    EXPECT_EQ(static_cast<int>(m_skins.size()), static_cast<int>(state.skins.size()));
    EXPECT_EQ(std::wstring(m_skins[0].szDisplayName), state.shownSkinText);
    EXPECT_TRUE(state.bLeftChecked);
    EXPECT_FALSE(state.bRightChecked);
    EXPECT_EQ(OptionsFileBytes(0, m_skins[1].szFileName), ReadWholeFile(OptionsPath()));
    EXPECT_EQ(0u, g_dwHabit);
    EXPECT_STREQ(m_skins[1].szFileName, g_szSkinFile);
}

TEST_F(OptionsDialogTest, TheTitleBarOkButtonSavesToo)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u);
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFileBytes(0, m_skins[1].szFileName)));
    OptionsChoice choice;
    choice.nSelectSkin = 0;
    choice.nClickRadio = IDC_OPTIONS_LEFT;
    choice.wCloseCommand = IDOK;
    OptionsShown state;
    ASSERT_EQ(1, Run(choice, state));
    EXPECT_EQ(1, state.nShownSkin);
    EXPECT_FALSE(state.bLeftChecked);
    EXPECT_TRUE(state.bRightChecked);
    EXPECT_EQ(OptionsFileBytes(1, m_skins[0].szFileName), ReadWholeFile(OptionsPath()));
}

TEST_F(OptionsDialogTest, TheMenuBarKeysSaveAndCancel)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u);
    const Bytes before = OptionsFileBytes(1, m_skins[0].szFileName);
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), before));
    OptionsChoice choice;
    choice.nSelectSkin = 1;
    choice.bPressSoftKey = true;
    choice.wCloseCommand = IDM_OPTIONS_CANCEL;
    OptionsShown state;
    ASSERT_EQ(0, Run(choice, state));
    EXPECT_TRUE(state.bSoftKeyFound);
    EXPECT_EQ(before, ReadWholeFile(OptionsPath()));

    choice.wCloseCommand = IDM_OPTIONS_OK;
    ASSERT_EQ(1, Run(choice, state));
    EXPECT_TRUE(state.bSoftKeyFound);
    EXPECT_EQ(OptionsFileBytes(1, m_skins[1].szFileName), ReadWholeFile(OptionsPath()));
}

TEST_F(OptionsDialogTest, CancelLeavesTheFileUntouched)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u);
    const Bytes before = Join({OptionsFileBytes(1, m_skins[0].szFileName), Bytes{0xEE, 0xFF}});
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), before));

    OptionsChoice choice;
    choice.nSelectSkin = 1;
    choice.nClickRadio = IDC_OPTIONS_RIGHT;
    choice.wCloseCommand = IDM_OPTIONS_CANCEL;
    OptionsShown state;
    ASSERT_EQ(0, Run(choice, state));
    EXPECT_EQ(before, ReadWholeFile(OptionsPath()));
    // What the dialog loaded stays in memory.
    EXPECT_EQ(1u, g_dwHabit);
    EXPECT_STREQ(m_skins[0].szFileName, g_szSkinFile);
}

TEST_F(OptionsDialogTest, AnUninstalledSkinShowsTheFirstOneAndOkSavesIt)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 1u);
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFileBytes(0, L"Uninstalled.xml")));
    OptionsShown state;
    ASSERT_EQ(1, Run(OptionsChoice{}, state));
    EXPECT_EQ(0, state.nShownSkin);
    EXPECT_EQ(std::wstring(m_skins[0].szDisplayName), state.shownSkinText);
    EXPECT_TRUE(state.bRightChecked);
    EXPECT_EQ(OptionsFileBytes(0, m_skins[0].szFileName), ReadWholeFile(OptionsPath()));
}

TEST_F(OptionsDialogTest, TheBannerFitsTheOrientation)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    struct Expected { int nWidth, nHeight, x, cx, cy; };
    const Expected aExpected[] = {
        {240, 320, -40, 320, 60}, {320, 240, -40, 400, 50}, {240, 400, -40, 320, 60},
        {480, 640, -80, 640, 120}, {800, 480, 0, 800, 100},
    };
    OptionsShown state;
    OptionsChoice choice;
    choice.wCloseCommand = IDM_OPTIONS_CANCEL;
    ASSERT_EQ(0, Run(choice, state));
    EXPECT_TRUE(state.bBannerVisible);
    EXPECT_TRUE(state.bSkinsVisible);
    for (const Expected& e : aExpected)
    {
        if (!IsScreen(e.nWidth, e.nHeight))
            continue;
        EXPECT_EQ(e.x, state.rcBanner.left);
        EXPECT_EQ(0, state.rcBanner.top);
        EXPECT_EQ(e.cx, state.rcBanner.right - state.rcBanner.left);
        EXPECT_EQ(e.cy, state.rcBanner.bottom - state.rcBanner.top);
    }
}

TEST_F(OptionsDialogTest, AnUnsupportedScreenRefusesTheDialog)
{
    if (IsSupported())
        GTEST_SKIP() << "only unsupported screens refuse";
    const Bytes before = OptionsFileBytes(1, L"Silver.xml");
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), before));
    OptionsShown state;
    std::vector<SeenDialog> seen;
    EXPECT_EQ(32771, Run(OptionsChoice{}, state, &seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(L"Device resolution is not supported.", seen[0].text);
    EXPECT_EQ(before, ReadWholeFile(OptionsPath()));
}

} // namespace
