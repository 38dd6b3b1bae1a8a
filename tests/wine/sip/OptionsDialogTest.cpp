#include "resources/resource.h"
#include "settings/OptionsDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "sip/OptionsDialogDriver.h"
#include "sip/TestStateGuards.h"
#include "support/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"

#include <commctrl.h>
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
                COptionsDlg dialog(EnumerateSkins);
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

struct DialogCase
{
    const char* pszName;
    DWORD dwHabit;        // Options.dat before: the hand,
    int nSkin;            // an installed skin by its place, -1 for one not installed,
    Bytes tail;           // and bytes after the name
    int nSelect;          // what the user does: -1 leaves the list alone,
    int nRadio;           // 0 leaves the hand
    WORD wClose;
    bool bSoftKey;
    INT_PTR nResult;      // what comes of it
    int nShown;           // the skin the dialog showed selected
    DWORD dwHabitAfter;   // Options.dat afterwards, and the settings in memory
    int nSkinAfter;
    bool bAccentsShown = true;   // a file without the field (no tail) says on
    bool bClickAccents = false;
    bool bAccentsAfter = true;
};

// The options skin and hand scenario plays OK and Cancel with the pixels of
// the keyboard as the proof; here, the bytes of Options.dat and every way out.
TEST_F(OptionsDialogTest, ShowsTheFileAndSavesOnlyOnOk)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    ASSERT_GE(m_skins.size(), 2u) << "two skins must be installed";
    const Bytes off = {0, 0, 0, 0};
    const DialogCase aCases[] = {
        {"the title bar's OK", 0, 1, off, 0, IDC_OPTIONS_LEFT, IDOK, false, 1, 1, 1, 0, false, true, true},
        {"the menu bar's Cancel", 1, 0, {}, 1, 0, IDM_OPTIONS_CANCEL, true, 0, 0, 1, 0, true, true, true},
        {"the menu bar's OK", 1, 0, off, 1, 0, IDM_OPTIONS_OK, true, 1, 0, 1, 1, false, false, false},
        {"Cancel leaves even odd bytes", 1, 0, {0xEE, 0xFF}, 1, IDC_OPTIONS_RIGHT, IDM_OPTIONS_CANCEL, false, 0, 0, 1, 0},
        {"an uninstalled skin shows the first", 0, -1, {}, -1, 0, IDM_OPTIONS_OK, false, 1, 0, 0, 0},
    };
    auto skin = [&](int n) { return std::wstring(n < 0 ? L"Uninstalled.xml" : m_skins[n].szFileName); };
    for (const DialogCase& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        const Bytes before = OptionsFileBytes(c.dwHabit, skin(c.nSkin), c.tail);
        ASSERT_TRUE(WriteFileBytes(OptionsPath(), before));
        OptionsChoice choice;
        choice.nSelectSkin = c.nSelect;
        choice.nClickRadio = c.nRadio;
        choice.bClickAccents = c.bClickAccents;
        choice.wCloseCommand = c.wClose;
        choice.bPressSoftKey = c.bSoftKey;
        OptionsShown shown;
        ASSERT_EQ(c.nResult, Run(choice, shown));
        EXPECT_EQ(c.nShown, shown.nShownSkin);
        EXPECT_EQ(std::wstring(m_skins[c.nShown].szDisplayName), shown.shownSkinText);
        EXPECT_EQ(c.dwHabit == 1, shown.bLeftChecked);
        EXPECT_EQ(c.dwHabit == 0, shown.bRightChecked);
        EXPECT_EQ(c.bAccentsShown, shown.bAccentsChecked);
        EXPECT_TRUE(shown.bBannerVisible && shown.bSkinsVisible);
        EXPECT_EQ(c.bSoftKey, shown.bSoftKeyFound);
        const Bytes accentsAfter = {static_cast<unsigned char>(c.bAccentsAfter ? 1 : 0), 0, 0, 0};
        EXPECT_EQ(c.nResult == 0 ? before : OptionsFileBytes(c.dwHabitAfter, skin(c.nSkinAfter), accentsAfter),
                  ReadFileBytes(OptionsPath()));
        EXPECT_EQ(c.dwHabitAfter, g_dwHabit);
        EXPECT_EQ(c.bAccentsAfter, GetAccentsOnLongPress());
        EXPECT_EQ(skin(c.nSkinAfter), g_szSkinFile);
    }
}

// Text past the right of a control's client area is cut off: every label,
// radio button and check box shows its whole text, above the tab strip, in the
// device's Tahoma and in the wider DejaVu Sans, on both tabs. A button's text
// starts after its box and half the width of a "0", as Wine draws it.
TEST_F(OptionsDialogTest, EveryTextFitsItsControl)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    for (const wchar_t* pszFace : {L"Tahoma", L"DejaVu Sans"})
    {
        CUniqueFont font(CreateFontW(ScaleByDpi(16), 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, pszFace));
        OptionsChoice choice;
        choice.wCloseCommand = IDM_OPTIONS_CANCEL;
        choice.look = [&](HWND hDlg) {
            for (HWND h = GetWindow(hDlg, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
                SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
            SendMessageW(hDlg, WM_SIZE, 0, 0);
            HWND hTab = GetDlgItem(hDlg, IDC_OPTIONS_TAB);
            for (int nTab : {0, 1})
            {
                SendMessageW(hTab, TCM_SETCURSEL, static_cast<WPARAM>(nTab), 0);
                NMHDR header = {hTab, IDC_OPTIONS_TAB, static_cast<UINT>(TCN_SELCHANGE)};
                SendMessageW(hDlg, WM_NOTIFY, IDC_OPTIONS_TAB, reinterpret_cast<LPARAM>(&header));
                int nTexts = 0;
                for (HWND h = GetWindow(hDlg, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
                {
                    WCHAR szText[64] = {}, szClass[16] = {};
                    const int nLength = GetWindowTextW(h, szText, 64);
                    GetClassNameW(h, szClass, 16);
                    if (!IsWindowVisible(h) || nLength == 0 || lstrcmpiW(szClass, L"ComboBox") == 0)
                        continue;
                    ++nTexts;
                    CWindowDc dc(h);
                    CSelectObject selected(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
                    WCHAR szFace[LF_FACESIZE] = {};
                    GetTextFaceW(dc.Get(), LF_FACESIZE, szFace);
                    EXPECT_STREQ(pszFace, szFace);
                    SIZE size = {};
                    GetTextExtentPoint32W(dc.Get(), szText, nLength, &size);
                    INT nZero = 0;
                    GetCharWidth32W(dc.Get(), L'0', L'0', &nZero);
                    const bool bButton = lstrcmpiW(szClass, L"Button") == 0;
                    const int nBox = bButton ? GetSystemMetrics(SM_CXMENUCHECK) + nZero / 2 : 0;
                    RECT rc = {};
                    GetClientRect(h, &rc);
                    // A multi-line button wraps its text at its width instead.
                    RECT rcText = {0, 0, rc.right - nBox, 0};
                    if ((GetWindowLongW(h, GWL_STYLE) & BS_MULTILINE) != 0)
                        DrawTextW(dc.Get(), szText, nLength, &rcText, DT_CALCRECT | DT_WORDBREAK);
                    else
                        rcText = RECT{0, 0, size.cx, size.cy};
                    EXPECT_LE(nBox + rcText.right, rc.right) << szText;
                    EXPECT_LE(rcText.bottom, rc.bottom) << szText;
                    RECT rcControl = {}, rcTab = {};
                    GetWindowRect(h, &rcControl);
                    GetWindowRect(hTab, &rcTab);
                    EXPECT_LE(rcControl.bottom, rcTab.top) << szText;
                }
                EXPECT_EQ(nTab == 0 ? 5 : 0, nTexts) << "tab " << nTab;
            }
        };
        OptionsShown shown;
        Run(choice, shown);
        EXPECT_TRUE(shown.bSeen);
    }
}

TEST_F(OptionsDialogTest, AnUnsupportedScreenRefusesTheDialog)
{
    if (IsSupported())
        GTEST_SKIP() << "only unsupported screens refuse";
    const Bytes before = OptionsFileBytes(1, L"Silver.xml");
    ASSERT_TRUE(WriteFileBytes(OptionsPath(), before));
    OptionsShown state;
    std::vector<SeenDialog> seen;
    EXPECT_EQ(32771, Run(OptionsChoice{}, state, &seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(L"Device resolution is not supported.", seen[0].text);
    EXPECT_EQ(before, ReadFileBytes(OptionsPath()));
}

} // namespace
