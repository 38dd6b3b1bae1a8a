#include "sip/OptionsDialogDriver.h"

#include "device/DeviceWindows.h"
#include "sip/SipActions.h"

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

void RecordShown(HWND hDlg, OptionsShown& shown)
{
    HWND hCombo = GetDlgItem(hDlg, IDC_OPTIONS_SKINS);
    shown.bSeen = true;
    shown.nShownSkin = static_cast<int>(SendMessageW(hCombo, CB_GETCURSEL, 0, 0));
    shown.shownSkinText = ComboText(hCombo, shown.nShownSkin);
    shown.skins.clear();
    const int nCount = static_cast<int>(SendMessageW(hCombo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
        shown.skins.push_back(ComboText(hCombo, i));
    shown.bLeftChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_LEFT, BM_GETCHECK, 0, 0) == BST_CHECKED;
    shown.bRightChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_RIGHT, BM_GETCHECK, 0, 0) == BST_CHECKED;
    shown.bAccentsChecked = SendDlgItemMessageW(hDlg, IDC_OPTIONS_ACCENTS, BM_GETCHECK, 0, 0) == BST_CHECKED;
    shown.bBannerVisible = IsWindowVisible(GetDlgItem(hDlg, IDC_OPTIONS_BANNER)) != FALSE;
    shown.bSkinsVisible = IsWindowVisible(hCombo) != FALSE;
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
    CDialogWatcher watcher([&](const SeenDialog& dialog) {
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
        Close(dialog.hwnd, choice, shown);
    });
    open();
    return watcher.Seen();
}
