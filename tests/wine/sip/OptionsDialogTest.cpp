#include "resources/resource.h"
#include "settings/OptionsDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/DialogWatcher.h"
#include "sip/TestStateGuards.h"
#include "skin/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "support/DisplayMetrics.h"
#include "support/ModuleInstance.h"
#include "WineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace
{

Bytes OptionsFile(DWORD dwHabit, const std::wstring& skin)
{
    return Join({LeDword(dwHabit), LeDword(static_cast<DWORD>(skin.size())), Utf16Le(skin)});
}

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

std::wstring ComboText(HWND hCombo, int nIndex)
{
    WCHAR sz[MAX_PATH] = {};
    SendMessageW(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(sz));
    return sz;
}

// What the user does in the dialog, done from the watcher thread; what the
// dialog showed when it came up is recorded for the test to check.
struct UserActions
{
    int nSelectSkin = -1;        // -1: leave the selection
    int nClickRadio = 0;         // 0: leave the radio buttons
    WORD wCloseCommand = IDM_OPTIONS_OK;
    bool bPressSoftKey = false;  // close through the menu bar's key instead of a command
};

struct DialogState
{
    int nShownSkin = -2;
    std::wstring shownSkinText;
    bool bLeftChecked = false;
    bool bRightChecked = false;
    int nComboCount = -1;
    RECT rcBanner = {};
    bool bBannerVisible = false;
    bool bSkinsVisible = false;
    bool bSoftKeyFound = false;
};

class OptionsDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = ReadWholeFile(OptionsPath());
        m_skins = InstalledSkins();
    }
    void TearDown() override
    {
        if (m_saved.empty())
            RemovePath(OptionsPath());
        else
            WriteWholeFile(OptionsPath(), m_saved);
    }

    // Runs the dialog as the bar's options button does and acts on it.
    INT_PTR Run(const UserActions& actions, DialogState& state, std::vector<SeenDialog>* pSeen = nullptr)
    {
        CDialogWatcher watcher([&](const SeenDialog& dialog) {
            if (dialog.title == L"Brevanto Keyboard")
            {
                DismissMessageBox(dialog);
                return;
            }
            HWND hDlg = dialog.hwnd;
            HWND hCombo = GetDlgItem(hDlg, IDC_OPTIONS_SKINS);
            state.nShownSkin = static_cast<int>(SendMessageW(hCombo, CB_GETCURSEL, 0, 0));
            state.shownSkinText = ComboText(hCombo, state.nShownSkin);
            state.nComboCount = static_cast<int>(SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
            state.bLeftChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_LEFT, BM_GETCHECK, 0, 0) == BST_CHECKED;
            state.bRightChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_RIGHT, BM_GETCHECK, 0, 0) == BST_CHECKED;
            HWND hBanner = GetDlgItem(hDlg, IDC_OPTIONS_BANNER);
            GetWindowRect(hBanner, &state.rcBanner);
            MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&state.rcBanner), 2);
            state.bBannerVisible = IsWindowVisible(hBanner) != FALSE;
            state.bSkinsVisible = IsWindowVisible(hCombo) != FALSE;
            if (actions.nSelectSkin >= 0)
                SendMessageW(hCombo, CB_SETCURSEL, static_cast<WPARAM>(actions.nSelectSkin), 0);
            if (actions.nClickRadio != 0)
                SendDlgItemMessageW(hDlg, actions.nClickRadio, BM_CLICK, 0, 0);
            if (actions.bPressSoftKey)
            {
                HWND hMenuBar = nullptr;
                while ((hMenuBar = FindWindowExW(nullptr, hMenuBar, L"BrevantoMenuBar", nullptr)) != nullptr &&
                       GetWindow(hMenuBar, GW_OWNER) != hDlg)
                {
                }
                HWND hKey = hMenuBar != nullptr ? GetDlgItem(hMenuBar, actions.wCloseCommand) : nullptr;
                state.bSoftKeyFound = hKey != nullptr;
                if (hKey != nullptr)
                    PostMessageW(hKey, BM_CLICK, 0, 0);
                else
                    PostMessageW(hDlg, WM_COMMAND, IDM_OPTIONS_CANCEL, 0);
            }
            else
            {
                PostMessageW(hDlg, WM_COMMAND, actions.wCloseCommand, 0);
            }
        });
        COptionsDlg dialog;
        const INT_PTR nResult = dialog.DoModal(g_hInstance, nullptr, 0);
        if (pSeen != nullptr)
            *pSeen = watcher.Seen();
        return nResult;
    }

    bool IsSupported() const { return GetResolutionClass() != ResolutionClass::Unsupported; }

    CSettingsRestorer m_settings;
    Bytes m_saved;
    std::vector<SkinListEntry> m_skins;
};

TEST_F(OptionsDialogTest, OkSavesTheSecondSkinAndRightHandedByteForByte)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u) << "two skins must be installed";
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFile(1, m_skins[0].szFileName)));

    UserActions actions;
    actions.nSelectSkin = 1;
    actions.nClickRadio = IDC_OPTIONS_RIGHT;
    DialogState state;
    ASSERT_EQ(1, Run(actions, state));

    EXPECT_EQ(0, state.nShownSkin);
    EXPECT_EQ(static_cast<int>(m_skins.size()), state.nComboCount);
    EXPECT_EQ(std::wstring(m_skins[0].szDisplayName), state.shownSkinText);
    EXPECT_TRUE(state.bLeftChecked);
    EXPECT_FALSE(state.bRightChecked);
    EXPECT_EQ(OptionsFile(0, m_skins[1].szFileName), ReadWholeFile(OptionsPath()));
    EXPECT_EQ(0u, g_dwHabit);
    EXPECT_STREQ(m_skins[1].szFileName, g_szSkinFile);
}

TEST_F(OptionsDialogTest, TheTitleBarOkButtonSavesToo)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u);
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFile(0, m_skins[1].szFileName)));
    UserActions actions;
    actions.nSelectSkin = 0;
    actions.nClickRadio = IDC_OPTIONS_LEFT;
    actions.wCloseCommand = IDOK;
    DialogState state;
    ASSERT_EQ(1, Run(actions, state));
    EXPECT_EQ(1, state.nShownSkin);
    EXPECT_FALSE(state.bLeftChecked);
    EXPECT_TRUE(state.bRightChecked);
    EXPECT_EQ(OptionsFile(1, m_skins[0].szFileName), ReadWholeFile(OptionsPath()));
}

TEST_F(OptionsDialogTest, TheMenuBarKeysSaveAndCancel)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u);
    const Bytes before = OptionsFile(1, m_skins[0].szFileName);
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), before));
    UserActions actions;
    actions.nSelectSkin = 1;
    actions.bPressSoftKey = true;
    actions.wCloseCommand = IDM_OPTIONS_CANCEL;
    DialogState state;
    ASSERT_EQ(0, Run(actions, state));
    EXPECT_TRUE(state.bSoftKeyFound);
    EXPECT_EQ(before, ReadWholeFile(OptionsPath()));

    actions.wCloseCommand = IDM_OPTIONS_OK;
    ASSERT_EQ(1, Run(actions, state));
    EXPECT_TRUE(state.bSoftKeyFound);
    EXPECT_EQ(OptionsFile(1, m_skins[1].szFileName), ReadWholeFile(OptionsPath()));
}

TEST_F(OptionsDialogTest, CancelLeavesTheFileUntouched)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u);
    const Bytes before = Join({OptionsFile(1, m_skins[0].szFileName), Bytes{0xEE, 0xFF}});
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), before));

    UserActions actions;
    actions.nSelectSkin = 1;
    actions.nClickRadio = IDC_OPTIONS_RIGHT;
    actions.wCloseCommand = IDM_OPTIONS_CANCEL;
    DialogState state;
    ASSERT_EQ(0, Run(actions, state));
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
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), OptionsFile(0, L"Uninstalled.xml")));
    DialogState state;
    ASSERT_EQ(1, Run(UserActions{}, state));
    EXPECT_EQ(0, state.nShownSkin);
    EXPECT_EQ(std::wstring(m_skins[0].szDisplayName), state.shownSkinText);
    EXPECT_TRUE(state.bRightChecked);
    EXPECT_EQ(OptionsFile(0, m_skins[0].szFileName), ReadWholeFile(OptionsPath()));
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
    DialogState state;
    UserActions actions;
    actions.wCloseCommand = IDM_OPTIONS_CANCEL;
    ASSERT_EQ(0, Run(actions, state));
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
    const Bytes before = OptionsFile(1, L"Silver.xml");
    ASSERT_TRUE(WriteWholeFile(OptionsPath(), before));
    DialogState state;
    std::vector<SeenDialog> seen;
    EXPECT_EQ(32771, Run(UserActions{}, state, &seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(L"Device resolution is not supported.", seen[0].text);
    EXPECT_EQ(before, ReadWholeFile(OptionsPath()));
}

} // namespace
