#include "resources/resource.h"
#include "settings/OptionsDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "settings/UserWordsStore.h"
#include "sip/OptionsDialogDriver.h"
#include "sip/TestStateGuards.h"
#include "support/RecordList.h"
#include "skin/SkinCatalogue.h"
#include "support/DisplayMetrics.h"
#include "support/GdiHandles.h"
#include "support/ModuleInstance.h"
#include "device/harness/TextUtf.h"
#include "settings/ModulePath.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
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

    // Runs the dialog as the bar's options button does (on the Options tab) and acts on it.
    INT_PTR Run(const OptionsChoice& choice, OptionsShown& shown, std::vector<SeenDialog>* pSeen = nullptr,
                int nInitialTab = 0)
    {
        INT_PTR nResult = 0;
        std::vector<SeenDialog> seen = AttendOptionsDialog(
            [&] {
                COptionsDlg dialog(EnumerateSkins);
                nResult = dialog.DoModal(g_hInstance, nullptr, nInitialTab);
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
    std::vector<std::wstring> listed;   // the list shows every installed skin by its display name, in order
    for (const SkinListEntry& entry : m_skins)
        listed.push_back(entry.szDisplayName);
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
        EXPECT_EQ(listed, shown.skins);
        EXPECT_EQ(listed[c.nShown], shown.shownSkinText);
        EXPECT_EQ(c.dwHabit == 1, shown.bLeftChecked);
        EXPECT_EQ(c.dwHabit == 0, shown.bRightChecked);
        EXPECT_EQ(c.bAccentsShown, shown.bAccentsChecked);
        EXPECT_TRUE(shown.bBannerVisible && shown.bSkinsVisible);
        EXPECT_EQ(c.bSoftKey, shown.bSoftKeyFound);
        EXPECT_EQ(c.nResult == 0 ? before
                                 : OptionsFileBytes(c.dwHabitAfter, skin(c.nSkinAfter), StoredTail(c.bAccentsAfter)),
                  ReadFileBytes(OptionsPath()));
        EXPECT_EQ(c.dwHabitAfter, g_dwHabit);
        EXPECT_EQ(c.bAccentsAfter, GetAccentsOnLongPress());
        EXPECT_EQ(skin(c.nSkinAfter), g_szSkinFile);
    }
}

struct WordsCase
{
    const char* pszName;
    Bytes tail;                          // Options.dat before: after the name
    int nInitialTab;
    int nTab;                            // the tab the user chooses; -1: none
    std::optional<WordSettings> choice;  // what the user sets on the Words tab
    WORD wClose;
    WordSettings shown;                  // what the tab showed
    WordSettings after;                  // the settings in memory afterwards, and in the file after OK
};

// The word settings as the Words tab shows them, and what OK and Cancel make of a
// change; the tab came last, so index 1 still opens About.
TEST_F(OptionsDialogTest, TheWordsTabShowsTheFileAndSavesOnlyOnOk)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    const WordSettings defaults;
    const WordSettings stored = {false, 4, 1, true, false, WordList::Francais};
    const WordSettings chosen = {true, 1, 4, false, true, WordList::Italiano};
    const WordsCase aCases[] = {
        {"a file without them shows the defaults, and OK writes them", {1, 0, 0, 0}, 0, -1, std::nullopt, IDOK,
         defaults, defaults},
        {"OK saves the choice", StoredTail(true, stored), 0, 2, chosen, IDM_OPTIONS_OK, stored, chosen},
        {"Cancel keeps the file", StoredTail(true, stored), 0, 2, chosen, IDM_OPTIONS_CANCEL, stored, stored},
        {"opened on the Words tab", StoredTail(true, stored), 2, -1, std::nullopt, IDOK, stored, stored},
        {"opened on the About tab", StoredTail(true, stored), 1, -1, std::nullopt, IDOK, stored, stored},
    };
    const std::vector<std::wstring> tabs = {L"Options", L"About", L"Words"};
    const std::vector<std::wstring> lists = {L"Automatic", L"English", L"Deutsch", L"Fran\u00E7ais",
                                             L"Espa\u00F1ol", L"Italiano"};
    for (const WordsCase& c : aCases)
    {
        SCOPED_TRACE(c.pszName);
        const Bytes before = OptionsFileBytes(0, m_skins[0].szFileName, c.tail);
        ASSERT_TRUE(WriteFileBytes(OptionsPath(), before));
        OptionsChoice choice;
        choice.nTab = c.nTab;
        choice.words = c.choice;
        choice.wCloseCommand = c.wClose;
        OptionsShown shown;
        EXPECT_EQ(c.wClose == IDM_OPTIONS_CANCEL ? 0 : 1, Run(choice, shown, nullptr, c.nInitialTab));
        EXPECT_EQ(tabs, shown.tabs);
        EXPECT_EQ(lists, shown.wordLists);
        EXPECT_EQ(std::make_tuple(c.nInitialTab, c.nInitialTab == 2, c.nInitialTab == 0, c.nInitialTab != 2),
                  std::make_tuple(shown.nTab, shown.bWordsVisible, shown.bSkinsVisible, shown.bBannerVisible));
        EXPECT_EQ(WordSettingsText(c.shown), WordSettingsText(shown.words));
        EXPECT_EQ(WordSettingsText(c.after), WordSettingsText(GetWordSettings()));
        const Bytes saved = OptionsFileBytes(0, m_skins[0].szFileName, StoredTail(true, c.after));
        EXPECT_EQ(c.wClose == IDM_OPTIONS_CANCEL ? before : saved, ReadFileBytes(OptionsPath()));
    }
}

// "Clear learned words" asks first; a yes clears Words.dat at once, whatever closes the
// dialog then, a no leaves it.
TEST_F(OptionsDialogTest, ClearLearnedWordsAsksAndClearsAtOnce)
{
    if (!IsSupported())
        GTEST_SKIP() << "the dialog refuses unsupported screens";
    WCHAR szWords[MAX_PATH];
    ASSERT_TRUE(BuildModulePath(g_hInstance, L"\\Words.dat", szWords));
    CUserWords words;
    words.CountUse(L"Zarn", 4);
    ASSERT_TRUE(SaveUserWords(words));
    const Bytes saved = ReadFileBytes(szWords);
    const Bytes cleared = {'B', 'V', 'U', 'W', 1, 0, 12, 0, 0, 0, 0, 0};
    for (const auto& c : {std::make_pair(IDNO, saved), std::make_pair(IDYES, cleared)})
    {
        ASSERT_TRUE(WriteFileBytes(szWords, saved));
        OptionsChoice choice;
        choice.nTab = 2;
        choice.nClearAnswer = c.first;
        choice.wCloseCommand = IDM_OPTIONS_CANCEL;
        OptionsShown shown;
        EXPECT_EQ(0, Run(choice, shown));
        EXPECT_EQ(L"Brevanto Keyboard", shown.question.title);
        EXPECT_EQ(L"Forget every word the keyboard has learned?", shown.question.text);
        EXPECT_EQ(c.second, ReadFileBytes(szWords)) << c.first;
    }
    RemovePath(szWords);
}

// Text past the right of a control's client area is cut off: every label,
// radio button, check box and push button shows its whole text, above the tab strip,
// in the device's Tahoma and in the wider DejaVu Sans, on every tab, and no two shown
// controls overlap. A check box's or radio button's text starts after its box and half
// the width of a "0", as Wine draws it; a push button's is centred inside its frame.
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
            for (int nTab : {0, 1, 2})
            {
                SendMessageW(hTab, TCM_SETCURSEL, static_cast<WPARAM>(nTab), 0);
                NMHDR header = {hTab, IDC_OPTIONS_TAB, static_cast<UINT>(TCN_SELCHANGE)};
                SendMessageW(hDlg, WM_NOTIFY, IDC_OPTIONS_TAB, reinterpret_cast<LPARAM>(&header));
                int nTexts = 0;
                std::vector<std::pair<RECT, std::wstring>> shownRects;
                for (HWND h = GetWindow(hDlg, GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
                {
                    if (IsWindowVisible(h) && h != hTab)
                    {
                        RECT rcShown = {};
                        WCHAR szName[64] = {};
                        GetWindowRect(h, &rcShown);
                        GetWindowTextW(h, szName, 64);
                        for (const auto& other : shownRects)
                        {
                            RECT rcBoth = {};
                            EXPECT_FALSE(IntersectRect(&rcBoth, &rcShown, &other.first))
                                << "tab " << nTab << ": \"" << Narrow(szName) << "\" overlaps \""
                                << Narrow(other.second) << "\"";
                        }
                        shownRects.emplace_back(rcShown, szName);
                    }
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
                    const LONG nType = GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK;
                    const bool bButton = lstrcmpiW(szClass, L"Button") == 0;
                    const bool bPush = bButton && nType == BS_PUSHBUTTON;
                    const int nBox = bPush     ? 2 * GetSystemMetrics(SM_CXEDGE)
                                     : bButton ? GetSystemMetrics(SM_CXMENUCHECK) + nZero / 2
                                               : 0;
                    RECT rc = {};
                    GetClientRect(h, &rc);
                    // A multi-line button and a label wrap their text at their width instead.
                    RECT rcText = {0, 0, rc.right - nBox, 0};
                    if (bButton ? (GetWindowLongW(h, GWL_STYLE) & BS_MULTILINE) != 0
                                : (GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT)
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
                EXPECT_EQ(nTab == 0 ? 5 : nTab == 1 ? 0 : 7, nTexts) << "tab " << nTab;
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
