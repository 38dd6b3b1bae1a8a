#include "sip/OptionsDialogDriver.h"

#include "device/DeviceWindows.h"
#include "sip/SipActions.h"

#include <commctrl.h>

#include <utility>

namespace
{

std::wstring ComboText(HWND hCombo, int nIndex)
{
    const LRESULT nLength = SendMessageW(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0);
    if (nLength == CB_ERR)
        return std::wstring();
    std::wstring text(static_cast<size_t>(nLength) + 1, L'\0');
    SendMessageW(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(nLength));
    return text;
}

std::vector<std::wstring> ComboItems(HWND hCombo)
{
    std::vector<std::wstring> items;
    const int nCount = static_cast<int>(SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
        items.push_back(ComboText(hCombo, i));
    return items;
}

std::vector<std::wstring> TabTexts(HWND hTab)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < static_cast<int>(SendMessageW(hTab, TCM_GETITEMCOUNT, 0, 0)); ++i)
    {
        WCHAR szText[64] = {};
        TCITEMW item = {TCIF_TEXT, 0, 0, szText, 64};
        SendMessageW(hTab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        texts.push_back(szText);
    }
    return texts;
}

void RecordWords(HWND hDlg, OptionsShown& shown)
{
    const auto checked = [hDlg](int nId) { return SendDlgItemMessageW(hDlg, nId, BM_GETCHECK, 0, 0) == BST_CHECKED; };
    // No selection (-1) shows as a count of 0, and as the list 0xFFFFFFFF.
    const auto selected = [hDlg](int nId) {
        return static_cast<std::uint32_t>(SendDlgItemMessageW(hDlg, nId, CB_GETCURSEL, 0, 0));
    };
    shown.tabs = TabTexts(GetDlgItem(hDlg, IDC_OPTIONS_TAB));
    shown.nTab = static_cast<int>(SendDlgItemMessageW(hDlg, IDC_OPTIONS_TAB, TCM_GETCURSEL, 0, 0));
    shown.bWordsVisible = IsWindowVisible(GetDlgItem(hDlg, IDC_WORDS_SUGGEST)) != FALSE;
    shown.words = WordSettings{checked(IDC_WORDS_SUGGEST),        selected(IDC_WORDS_AFTER) + 1,
                               selected(IDC_WORDS_COUNT) + 1,     checked(IDC_WORDS_SPACE),
                               checked(IDC_WORDS_LEARN),          static_cast<WordList>(selected(IDC_WORDS_LIST))};
    shown.wordLists = ComboItems(GetDlgItem(hDlg, IDC_WORDS_LIST));
}

void SetWordControls(HWND hDlg, const WordSettings& words)
{
    for (const auto& check : {std::make_pair(IDC_WORDS_SUGGEST, words.bSuggest),
                              std::make_pair(IDC_WORDS_SPACE, words.bSpaceAfterWord),
                              std::make_pair(IDC_WORDS_LEARN, words.bLearn)})
        SendDlgItemMessageW(hDlg, check.first, BM_SETCHECK, check.second ? BST_CHECKED : BST_UNCHECKED, 0);
    SendDlgItemMessageW(hDlg, IDC_WORDS_AFTER, CB_SETCURSEL, words.nAfterLetters - 1, 0);
    SendDlgItemMessageW(hDlg, IDC_WORDS_COUNT, CB_SETCURSEL, words.nWords - 1, 0);
    SendDlgItemMessageW(hDlg, IDC_WORDS_LIST, CB_SETCURSEL, static_cast<WPARAM>(words.list), 0);
}

void SelectTab(HWND hDlg, int nTab)
{
    HWND hTab = GetDlgItem(hDlg, IDC_OPTIONS_TAB);
    SendMessageW(hTab, TCM_SETCURSEL, static_cast<WPARAM>(nTab), 0);
    NMHDR header = {hTab, IDC_OPTIONS_TAB, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(hDlg, WM_NOTIFY, IDC_OPTIONS_TAB, reinterpret_cast<LPARAM>(&header));
}

void RecordShown(HWND hDlg, OptionsShown& shown)
{
    HWND hCombo = GetDlgItem(hDlg, IDC_OPTIONS_SKINS);
    shown.bSeen = true;
    shown.nShownSkin = static_cast<int>(SendMessageW(hCombo, CB_GETCURSEL, 0, 0));
    shown.shownSkinText = ComboText(hCombo, shown.nShownSkin);
    shown.skins = ComboItems(hCombo);
    shown.bLeftChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_LEFT, BM_GETCHECK, 0, 0) == BST_CHECKED;
    shown.bRightChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_RIGHT, BM_GETCHECK, 0, 0) == BST_CHECKED;
    shown.bAccentsChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_ACCENTS, BM_GETCHECK, 0, 0) == BST_CHECKED;
    shown.bBannerVisible = IsWindowVisible(GetDlgItem(hDlg, IDC_OPTIONS_BANNER)) != FALSE;
    shown.bSkinsVisible = IsWindowVisible(hCombo) != FALSE;
    RecordWords(hDlg, shown);
}

void Choose(HWND hDlg, const OptionsChoice& choice, OptionsShown& shown)
{
    if (choice.selectSkinName)
        shown.bSelectedByName = SelectListedSkin(hDlg, *choice.selectSkinName);
    else if (choice.nSelectSkin >= 0)
        SendDlgItemMessageW(hDlg, IDC_OPTIONS_SKINS, CB_SETCURSEL, static_cast<WPARAM>(choice.nSelectSkin), 0);
    if (choice.nClickRadio != 0)
        SendDlgItemMessageW(hDlg, choice.nClickRadio, BM_CLICK, 0, 0);
    if (choice.bClickAccents)
        SendDlgItemMessageW(hDlg, IDC_OPTIONS_ACCENTS, BM_CLICK, 0, 0);
    if (choice.nTab >= 0)
        SelectTab(hDlg, choice.nTab);
    if (choice.words)
        SetWordControls(hDlg, *choice.words);
}

void Close(HWND hDlg, const OptionsChoice& choice, OptionsShown& shown)
{
    if (!choice.bPressSoftKey)
    {
        PostMessageW(hDlg, WM_COMMAND, choice.wCloseCommand, 0);
        return;
    }
    HWND hMenuBar = nullptr;
    while ((hMenuBar = FindWindowExW(nullptr, hMenuBar, L"BrevantoMenuBar", nullptr)) != nullptr &&
           GetWindow(hMenuBar, GW_OWNER) != hDlg)
    {
    }
    HWND hKey = hMenuBar != nullptr ? GetDlgItem(hMenuBar, choice.wCloseCommand) : nullptr;
    shown.bSoftKeyFound = hKey != nullptr;
    if (hKey != nullptr)
        PostMessageW(hKey, BM_CLICK, 0, 0);
    else
        PostMessageW(hDlg, WM_COMMAND, IDM_OPTIONS_CANCEL, 0);
}

} // namespace

std::vector<SeenDialog> AttendOptionsDialog(const std::function<void()>& open, const OptionsChoice& choice,
                                            OptionsShown& shown)
{
    shown = OptionsShown{};
    HWND hAsking = nullptr;  // the options dialog, while its question is open
    CDialogWatcher watcher([&](const SeenDialog& dialog) {
        if (hAsking != nullptr && dialog.hwndOwner == hAsking)
        {
            shown.question = dialog;
            PostMessageW(dialog.hwnd, WM_COMMAND, static_cast<WPARAM>(choice.nClearAnswer), 0);
            Close(hAsking, choice, shown);
            hAsking = nullptr;
            return;
        }
        if (dialog.title == kMessageCaption)
        {
            DismissMessageBox(dialog);
            return;
        }
        if (GetDlgItem(dialog.hwnd, IDC_OPTIONS_SKINS) == nullptr)
            return;
        RecordShown(dialog.hwnd, shown);
        if (choice.look)
            choice.look(dialog.hwnd);
        Choose(dialog.hwnd, choice, shown);
        if (choice.nClearAnswer != 0)
        {
            // Closed once the question is answered.
            hAsking = dialog.hwnd;
            PostMessageW(GetDlgItem(dialog.hwnd, IDC_WORDS_CLEAR), BM_CLICK, 0, 0);
            return;
        }
        Close(dialog.hwnd, choice, shown);
    });
    open();
    return watcher.Seen();
}
