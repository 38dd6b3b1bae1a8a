#pragma once
#include <windows.h>

#include "settings/OptionsLayout.h"
#include "settings/SkinList.h"

class CRecordList;

// The options dialog: skin, handedness and accents on a long press on the Options
// tab, word completion on the Words tab, saved to Options.dat on OK. The Words tab
// also clears the learned words, at once.
class COptionsDlg
{
public:
    // pfnListSkins fills the skin list each time the dialog opens.
    explicit COptionsDlg(PfnListSkins pfnListSkins);
    virtual ~COptionsDlg();
    COptionsDlg(const COptionsDlg&) = delete;
    COptionsDlg& operator=(const COptionsDlg&) = delete;

    // Runs the dialog modally with tab nInitialTab selected (0 Options, 1 About,
    // 2 Words); 1 after OK, 0 after Cancel, 32771 when the screen is not
    // supported, -1 when the dialog could not be created.
    INT_PTR DoModal(HINSTANCE hInstance, HWND hWndParent, int nInitialTab);

    static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);

private:
    BOOL OnInitDialog(HWND hDlg);
    void OnCommand(HWND hDlg, int nId, int nCode);
    void OnNotify(HWND hDlg, const NMHDR* pHeader);
    void OnSize(HWND hDlg);
    void OnOk(HWND hDlg);
    void OnClearWords(HWND hDlg);

    void FillSkinList(HWND hDlg);
    void Layout(HWND hDlg);
    void LayOutWordsTab(HWND hDlg, OptionsOrientation orientation);

    HINSTANCE m_hInstance;
    HWND m_hWndParent;
    int m_nTabHeight;
    int m_nLineHeight;
    int m_nMargin;
    HBITMAP m_hBannerWide;
    HBITMAP m_hBannerNarrow;
    PfnListSkins m_pfnListSkins;
    CRecordList* m_pSkinList;
    int m_nSkinIndex;
    int m_nInitialTab;
};

// Shows the controls of the tab that the tab strip has selected.
void ShowOptionsTab(HWND hDlg);

// Full-screen placement on every activation, over the hidden taskbar.
void OnOptionsActivate(HWND hDlg);
