#include "settings/OptionsDlg.h"

#include "platform/AygShell.h"
#include "platform/SdkInlines.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "settings/UserWordsStore.h"
#include "settings/WordsLayout.h"
#include "support/RecordList.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/GdiHandles.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <new>
#include <utility>

namespace
{

constexpr wchar_t kCaption[] = L"Brevanto Keyboard";
constexpr wchar_t kUnsupportedResolution[] = L"Device resolution is not supported.";
constexpr wchar_t kClearQuestion[] = L"Forget every word the keyboard has learned?";
constexpr INT_PTR kResultUnsupported = IDM_OPTIONS_CANCEL;
constexpr int kTextFontSlot = 1;
constexpr int kTextFontHeight96 = 16;
constexpr WPARAM kTabControlVersion = 0x020C;

// The tabs in the order of their indexes: the Words tab came last, so that the tabs
// there were before it keep their places and indexes.
enum OptionsTab { kTabOptions, kTabAbout, kTabWords };

const int g_aOptionsTabControls[] = {IDC_OPTIONS_HABIT, IDC_OPTIONS_LEFT, IDC_OPTIONS_RIGHT, IDC_OPTIONS_ACCENTS,
                                     IDC_OPTIONS_KEYBOARD, IDC_OPTIONS_SKINS, IDC_OPTIONS_BANNER};
const int g_aWordsTabControls[] = {IDC_WORDS_SUGGEST, IDC_WORDS_AFTER_LABEL, IDC_WORDS_AFTER,
                                   IDC_WORDS_COUNT_LABEL, IDC_WORDS_COUNT, IDC_WORDS_SPACE,
                                   IDC_WORDS_LEARN, IDC_WORDS_LIST_LABEL, IDC_WORDS_LIST, IDC_WORDS_CLEAR};

// The word lists' names, in the order of WordList.
const wchar_t* const g_apszWordLists[] = {L"Automatic", L"English", L"Deutsch", L"Fran\u00E7ais", L"Espa\u00F1ol",
                                          L"Italiano"};
const wchar_t* const g_apszCounts[] = {L"1", L"2", L"3", L"4"};

void MoveTo(HWND hwnd, const PlacedRect& rc, BOOL bRepaint)
{
    MoveWindow(hwnd, rc.x, rc.y, rc.nWidth, rc.nHeight, bRepaint);
}

// Every window inside hParent, each before its own children, as the device has no
// EnumChildWindows.
template <typename TVisit>
void ForEachDescendant(HWND hParent, TVisit visit)
{
    for (HWND hwnd = GetWindow(hParent, GW_CHILD); hwnd != nullptr; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
    {
        visit(hwnd);
        ForEachDescendant(hwnd, visit);
    }
}

void ShrinkComboBox(HWND hwnd)
{
    WCHAR szClass[16] = {};
    GetClassNameW(hwnd, szClass, 16);
    if (lstrcmpiW(szClass, L"ComboBox") == 0)
    {
        RECT rc = {};
        GetWindowRect(hwnd, &rc);
        SetWindowPos(hwnd, nullptr, 0, 0, rc.right - rc.left, 5, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

void SetCheck(HWND hDlg, int nId, bool bChecked)
{
    SendDlgItemMessageW(hDlg, nId, BM_SETCHECK, bChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool IsChecked(HWND hDlg, int nId)
{
    return SendDlgItemMessageW(hDlg, nId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

template <std::size_t N>
void ShowControls(HWND hDlg, const int (&aIds)[N], int nShow)
{
    for (int nId : aIds)
        ShowWindow(GetDlgItem(hDlg, nId), nShow);
}

void FillList(HWND hDlg, int nId, const wchar_t* const* ppszItems, int nItems, int nSelected)
{
    HWND hCombo = GetDlgItem(hDlg, nId);
    for (int i = 0; i < nItems; ++i)
        SendMessageW(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ppszItems[i]));
    SendMessageW(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nSelected), 0);
}

// The selected item of a list; nDefault when none is.
int Selection(HWND hDlg, int nId, int nDefault)
{
    const LRESULT nSelected = SendDlgItemMessageW(hDlg, nId, CB_GETCURSEL, 0, 0);
    return nSelected == CB_ERR ? nDefault : static_cast<int>(nSelected);
}

void ShowWordSettings(HWND hDlg, const WordSettings& settings)
{
    SetCheck(hDlg, IDC_WORDS_SUGGEST, settings.bSuggest);
    FillList(hDlg, IDC_WORDS_AFTER, g_apszCounts, static_cast<int>(std::size(g_apszCounts)),
             static_cast<int>(settings.nAfterLetters - kMinAfterLetters));
    FillList(hDlg, IDC_WORDS_COUNT, g_apszCounts, static_cast<int>(std::size(g_apszCounts)),
             static_cast<int>(settings.nWords - kMinWordsOffered));
    SetCheck(hDlg, IDC_WORDS_SPACE, settings.bSpaceAfterWord);
    SetCheck(hDlg, IDC_WORDS_LEARN, settings.bLearn);
    FillList(hDlg, IDC_WORDS_LIST, g_apszWordLists, static_cast<int>(std::size(g_apszWordLists)),
             static_cast<int>(settings.list));
}

WordSettings ChosenWordSettings(HWND hDlg)
{
    const WordSettings defaults;
    WordSettings settings;
    settings.bSuggest = IsChecked(hDlg, IDC_WORDS_SUGGEST);
    settings.nAfterLetters =
        kMinAfterLetters + Selection(hDlg, IDC_WORDS_AFTER, defaults.nAfterLetters - kMinAfterLetters);
    settings.nWords = kMinWordsOffered + Selection(hDlg, IDC_WORDS_COUNT, defaults.nWords - kMinWordsOffered);
    settings.bSpaceAfterWord = IsChecked(hDlg, IDC_WORDS_SPACE);
    settings.bLearn = IsChecked(hDlg, IDC_WORDS_LEARN);
    settings.list = static_cast<WordList>(Selection(hDlg, IDC_WORDS_LIST, static_cast<int>(defaults.list)));
    return ClampWordSettings(settings);
}

void InsertTab(HWND hTab, int nIndex, LPCWSTR pszText)
{
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(pszText);
    SendMessageW(hTab, TCM_INSERTITEMW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&item));
}

// The width of a text in a control's font.
int TextExtent(HWND hwnd, LPCWSTR pszText, int nLength)
{
    CWindowDc dc(hwnd);
    if (!dc)
        return 0;
    CSelectObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentExPointW(dc.Get(), pszText, nLength, 0, nullptr, nullptr, &size);
    return size.cx;
}

// The width a control needs to show its whole text in its own font; a radio
// button or check box adds its box and a gap of one average character.
int TextWidth(HWND hDlg, int nId)
{
    HWND hwnd = GetDlgItem(hDlg, nId);
    WCHAR szText[64] = {};
    const int nLength = GetWindowTextW(hwnd, szText, 64);
    const int nWidth = TextExtent(hwnd, szText, nLength);
    const LONG nType = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    if (nType != BS_AUTORADIOBUTTON && nType != BS_AUTOCHECKBOX)
        return nWidth;
    CWindowDc dc(hwnd);
    CSelectObject font(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc.Get(), &tm);
    return nWidth + GetSystemMetrics(SM_CXMENUCHECK) + tm.tmAveCharWidth;
}

// The width of an item's text in a list's font.
int ItemWidth(HWND hDlg, int nId, LPCWSTR pszItem)
{
    return TextExtent(GetDlgItem(hDlg, nId), pszItem, static_cast<int>(std::wcslen(pszItem)));
}

COptionsDlg* DialogObject(HWND hDlg)
{
    return reinterpret_cast<COptionsDlg*>(ce::GetWindowLongPtrW(hDlg, GWLP_USERDATA));
}

} // namespace

void ShowOptionsTab(HWND hDlg)
{
    ShowControls(hDlg, g_aOptionsTabControls, SW_HIDE);
    ShowControls(hDlg, g_aWordsTabControls, SW_HIDE);
    const LRESULT nTab = SendDlgItemMessageW(hDlg, IDC_OPTIONS_TAB, TCM_GETCURSEL, 0, 0);
    if (nTab == kTabOptions)
        ShowControls(hDlg, g_aOptionsTabControls, SW_SHOW);
    else if (nTab == kTabAbout)
        ShowWindow(GetDlgItem(hDlg, IDC_OPTIONS_BANNER), SW_SHOW);
    else if (nTab == kTabWords)
        ShowControls(hDlg, g_aWordsTabControls, SW_SHOW);
}

void OnOptionsActivate(HWND hDlg)
{
    RECT rc = {};
    GetWindowRect(hDlg, &rc);
    SHFullScreen(hDlg, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
    // Up to the top of the screen, over the taskbar's area.
    MoveWindow(hDlg, rc.left, 0, rc.right, rc.bottom, TRUE);
}

COptionsDlg::COptionsDlg(PfnListSkins pfnListSkins)
    : m_hInstance(nullptr), m_hWndParent(nullptr), m_nTabHeight(0), m_nLineHeight(0), m_nMargin(0),
      m_hBannerWide(nullptr), m_hBannerNarrow(nullptr), m_pfnListSkins(pfnListSkins),
      m_pSkinList(new (std::nothrow) CRecordList()),
      m_nSkinIndex(0), m_nInitialTab(0)
{
}

COptionsDlg::~COptionsDlg()
{
    if (m_hBannerWide != nullptr)
        DeleteObject(m_hBannerWide);
    if (m_hBannerNarrow != nullptr)
        DeleteObject(m_hBannerNarrow);
    m_hBannerWide = nullptr;
    m_hBannerNarrow = nullptr;
    delete m_pSkinList;
    m_pSkinList = nullptr;
    m_hInstance = nullptr;
    m_hWndParent = nullptr;
    m_nSkinIndex = 0;
    m_nInitialTab = 0;
}

INT_PTR COptionsDlg::DoModal(HINSTANCE hInstance, HWND hWndParent, int nInitialTab)
{
    m_hInstance = hInstance;
    m_hWndParent = hWndParent;
    m_nInitialTab = nInitialTab;

    // The template's tab strip needs its window class.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    HRSRC hResource = FindResourceW(hInstance, MAKEINTRESOURCEW(IDD_OPTIONS), RT_DIALOG);
    if (hResource == nullptr)
        return -1;
    HGLOBAL hTemplate = LoadResource(hInstance, hResource);
    const auto* pTemplate = hTemplate != nullptr ? static_cast<const DLGTEMPLATE*>(ce::LockResource(hTemplate)) : nullptr;
    if (pTemplate == nullptr)
        return -1;
    return DialogBoxIndirectParamW(hInstance, pTemplate, hWndParent, DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK COptionsDlg::DialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    COptionsDlg* pThis = DialogObject(hDlg);
    switch (uMsg)
    {
    case WM_INITDIALOG:
        pThis = reinterpret_cast<COptionsDlg*>(lParam);
        if (pThis == nullptr)
            return TRUE;
        ce::SetWindowLongPtrW(hDlg, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pThis));
        return pThis->OnInitDialog(hDlg);
    case WM_COMMAND:
        if (pThis != nullptr)
            pThis->OnCommand(hDlg, LOWORD(wParam), HIWORD(wParam));
        else if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDM_OPTIONS_OK)
            EndDialog(hDlg, 1);
        else if (LOWORD(wParam) == IDM_OPTIONS_CANCEL)
            EndDialog(hDlg, 0);
        return TRUE;
    case WM_NOTIFY:
        if (pThis != nullptr)
            pThis->OnNotify(hDlg, reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    case WM_SIZE:
        if (pThis != nullptr)
            pThis->OnSize(hDlg);
        return TRUE;
    case WM_ACTIVATE:
        OnOptionsActivate(hDlg);
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL COptionsDlg::OnInitDialog(HWND hDlg)
{
    switch (GetResolutionClass())
    {
    case ResolutionClass::Qvga:
        m_hBannerWide = LoadBitmapW(m_hInstance, MAKEINTRESOURCEW(IDB_BANNER_QVGA_WIDE));
        m_hBannerNarrow = LoadBitmapW(m_hInstance, MAKEINTRESOURCEW(IDB_BANNER_QVGA_NARROW));
        break;
    case ResolutionClass::Vga:
        m_hBannerWide = LoadBitmapW(m_hInstance, MAKEINTRESOURCEW(IDB_BANNER_VGA_WIDE));
        m_hBannerNarrow = LoadBitmapW(m_hInstance, MAKEINTRESOURCEW(IDB_BANNER_VGA_NARROW));
        break;
    case ResolutionClass::Unsupported:
        MessageBoxW(hDlg, kUnsupportedResolution, kCaption, MB_ICONHAND);
        EndDialog(hDlg, kResultUnsupported);
        return TRUE;
    }

    SHINITDLGINFO shidi = {SHIDIM_FLAGS, hDlg, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
    SHInitDialog(&shidi);
    SHMENUBARINFO mbi = {};
    mbi.cbSize = sizeof(mbi);
    mbi.hwndParent = hDlg;
    mbi.dwFlags = SHCMBF_HMENU;
    mbi.nToolBarId = IDR_OPTIONS_MENU;
    mbi.hInstRes = m_hInstance;
    SHCreateMenuBar(&mbi);

    LoadOptions();

    HWND hTab = GetDlgItem(hDlg, IDC_OPTIONS_TAB);
    SendMessageW(hTab, CCM_SETVERSION, kTabControlVersion, 0);
    InsertTab(hTab, kTabOptions, L"Options");
    InsertTab(hTab, kTabAbout, L"About");
    InsertTab(hTab, kTabWords, L"Words");
    SendMessageW(hTab, TCM_SETCURSEL, static_cast<WPARAM>(m_nInitialTab), 0);
    ShowOptionsTab(hDlg);

    LOGFONTW lf = {};
    GetWindowDefaultFont(GetDlgItem(hDlg, IDC_OPTIONS_HABIT), &lf);
    m_nLineHeight = OptionsLineHeight(lf.lfHeight);
    m_nMargin = OptionsMargin(m_nLineHeight);

    const bool bLeftHanded = GetHabit() != 0;
    SetCheck(hDlg, IDC_OPTIONS_LEFT, bLeftHanded);
    SetCheck(hDlg, IDC_OPTIONS_RIGHT, !bLeftHanded);
    SetCheck(hDlg, IDC_OPTIONS_ACCENTS, GetAccentsOnLongPress());
    ShowWordSettings(hDlg, GetWordSettings());

    FillSkinList(hDlg);

    HFONT hFont = CFontHelper::Instance().GetFont(kTextFontSlot, ScaleByDpi(kTextFontHeight96), FW_NORMAL,
                                                  g_szFaceName);
    ForEachDescendant(hDlg, [hFont](HWND hwnd) {
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    });
    return TRUE;
}

void COptionsDlg::FillSkinList(HWND hDlg)
{
    HWND hCombo = GetDlgItem(hDlg, IDC_OPTIONS_SKINS);
    if (m_pSkinList != nullptr)
    {
        if (m_pfnListSkins != nullptr)
            m_pfnListSkins(m_pSkinList, m_hInstance);
        WCHAR szCurrent[MAX_PATH] = {};
        GetSkinFile(szCurrent);
        const int nCount = m_pSkinList->Count();
        for (int i = 0; i < nCount; ++i)
        {
            SkinListEntry entry = {};
            if (!m_pSkinList->Get(i, &entry, sizeof(entry)))
                continue;
            // Exact and case-sensitive: lstrcmpW would compare by locale rules.
            if (std::wcscmp(entry.szFileName, szCurrent) == 0)
                m_nSkinIndex = i;
            SendMessageW(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.szDisplayName));
        }
    }
    // With no entry matching, the index stays where it was: the first skin.
    SendMessageW(hCombo, CB_SETCURSEL, static_cast<WPARAM>(m_nSkinIndex), 0);
}

void COptionsDlg::OnCommand(HWND hDlg, int nId, int nCode)
{
    if (nId == IDOK || nId == IDM_OPTIONS_OK)
        OnOk(hDlg);
    else if (nId == IDM_OPTIONS_CANCEL)
        EndDialog(hDlg, 0);
    else if (nId == IDC_WORDS_CLEAR && nCode == BN_CLICKED)
        OnClearWords(hDlg);
}

// The learned words go at once, whatever closes the dialog: the question said so.
void COptionsDlg::OnClearWords(HWND hDlg)
{
    if (MessageBoxW(hDlg, kClearQuestion, kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ClearUserWords();
}

void COptionsDlg::OnOk(HWND hDlg)
{
    SetHabit(IsChecked(hDlg, IDC_OPTIONS_LEFT) ? 1 : 0);
    SetAccentsOnLongPress(IsChecked(hDlg, IDC_OPTIONS_ACCENTS));
    SetWordSettings(ChosenWordSettings(hDlg));
    m_nSkinIndex = static_cast<int>(SendDlgItemMessageW(hDlg, IDC_OPTIONS_SKINS, CB_GETCURSEL, 0, 0));
    SkinListEntry entry = {};
    if (m_pSkinList != nullptr)
        m_pSkinList->Get(m_nSkinIndex, &entry, sizeof(entry));
    // No selection leaves the name empty, which is saved as the default skin.
    SetSkinFile(entry.szFileName);
    SaveOptions();
    EndDialog(hDlg, 1);
}

void COptionsDlg::OnNotify(HWND hDlg, const NMHDR* pHeader)
{
    if (pHeader != nullptr && pHeader->hwndFrom == GetDlgItem(hDlg, IDC_OPTIONS_TAB))
        ShowOptionsTab(hDlg);
}

void COptionsDlg::OnSize(HWND hDlg)
{
    Layout(hDlg);
}

void COptionsDlg::LayOutWordsTab(HWND hDlg, OptionsOrientation orientation)
{
    RECT rcClient = {};
    GetClientRect(hDlg, &rcClient);
    RECT rcCombo = {};
    GetWindowRect(GetDlgItem(hDlg, IDC_WORDS_LIST), &rcCombo);
    WordsLayoutInput in = {};
    in.orientation = orientation;
    in.nClientRight = rcClient.right;
    in.nLineHeight = m_nLineHeight;
    in.nMargin = m_nMargin;
    in.nComboHeight = rcCombo.bottom - rcCombo.top;
    in.nArrowWidth = GetSystemMetrics(SM_CXVSCROLL);
    in.nSuggestTextWidth = TextWidth(hDlg, IDC_WORDS_SUGGEST);
    in.nAfterTextWidth = TextWidth(hDlg, IDC_WORDS_AFTER_LABEL);
    in.nCountTextWidth = TextWidth(hDlg, IDC_WORDS_COUNT_LABEL);
    in.nSpaceTextWidth = TextWidth(hDlg, IDC_WORDS_SPACE);
    in.nLearnTextWidth = TextWidth(hDlg, IDC_WORDS_LEARN);
    in.nListTextWidth = TextWidth(hDlg, IDC_WORDS_LIST_LABEL);
    in.nClearTextWidth = TextWidth(hDlg, IDC_WORDS_CLEAR);
    for (const wchar_t* pszItem : g_apszCounts)
        in.nWidestNumberWidth = std::max(in.nWidestNumberWidth, ItemWidth(hDlg, IDC_WORDS_AFTER, pszItem));
    for (const wchar_t* pszItem : g_apszWordLists)
        in.nWidestListWidth = std::max(in.nWidestListWidth, ItemWidth(hDlg, IDC_WORDS_LIST, pszItem));
    const WordsLayoutResult out = LayOutWords(in);
    if (!out.bPlaced)
        return;
    const std::pair<int, PlacedRect> aPlaces[] = {
        {IDC_WORDS_SUGGEST, out.suggest},        {IDC_WORDS_AFTER_LABEL, out.afterLabel},
        {IDC_WORDS_AFTER, out.afterList},        {IDC_WORDS_COUNT_LABEL, out.countLabel},
        {IDC_WORDS_COUNT, out.countList},        {IDC_WORDS_SPACE, out.space},
        {IDC_WORDS_LEARN, out.learn},            {IDC_WORDS_LIST_LABEL, out.listLabel},
        {IDC_WORDS_LIST, out.wordList},          {IDC_WORDS_CLEAR, out.clear}};
    for (const auto& place : aPlaces)
        MoveTo(GetDlgItem(hDlg, place.first), place.second, TRUE);
}

void COptionsDlg::Layout(HWND hDlg)
{
    RECT rcClient = {};
    GetClientRect(hDlg, &rcClient);

    HWND hTab = GetDlgItem(hDlg, IDC_OPTIONS_TAB);
    RECT rcItem = {};
    SendMessageW(hTab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcItem));
    m_nTabHeight = rcItem.bottom - rcItem.top + 2;
    MoveWindow(hTab, rcClient.left, rcClient.bottom - m_nTabHeight, rcClient.right - rcClient.left, m_nTabHeight,
               TRUE);

    OptionsLayoutInput in = {};
    switch (GetScreenOrientation())
    {
    case ORIENT_LANDSCAPE:
        in.orientation = OptionsOrientation::Landscape;
        break;
    case ORIENT_PORTRAIT:
        in.orientation = OptionsOrientation::Portrait;
        break;
    default:
        in.orientation = OptionsOrientation::Square;
        break;
    }
    in.nClientRight = rcClient.right;
    in.nScreenWidth = GetLastScreenWidth();
    in.nLineHeight = m_nLineHeight;
    in.nMargin = m_nMargin;
    in.nWideBannerWidth = GetBitmapWidth(m_hBannerWide);
    in.nWideBannerHeight = GetBitmapHeight(m_hBannerWide);
    in.nNarrowBannerWidth = GetBitmapWidth(m_hBannerNarrow);
    in.nNarrowBannerHeight = GetBitmapHeight(m_hBannerNarrow);
    in.nKeyboardTextWidth = TextWidth(hDlg, IDC_OPTIONS_KEYBOARD);
    in.nHabitTextWidth = TextWidth(hDlg, IDC_OPTIONS_HABIT);
    in.nLeftTextWidth = TextWidth(hDlg, IDC_OPTIONS_LEFT);
    in.nRightTextWidth = TextWidth(hDlg, IDC_OPTIONS_RIGHT);
    in.nAccentsTextWidth = TextWidth(hDlg, IDC_OPTIONS_ACCENTS);
    const OptionsLayoutResult out = LayOutOptions(in);
    if (out.bPlaced)
    {
        HWND hBanner = GetDlgItem(hDlg, IDC_OPTIONS_BANNER);
        MoveTo(hBanner, out.banner, TRUE);
        SendMessageW(hBanner, STM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>(out.bWideBanner ? m_hBannerWide : m_hBannerNarrow));
        // Rows repaint as they move; centred controls are repainted with the dialog.
        MoveTo(GetDlgItem(hDlg, IDC_OPTIONS_KEYBOARD), out.keyboardLabel, TRUE);
        MoveTo(GetDlgItem(hDlg, IDC_OPTIONS_SKINS), out.skinList, FALSE);
        MoveTo(GetDlgItem(hDlg, IDC_OPTIONS_HABIT), out.habitLabel, TRUE);
        MoveTo(GetDlgItem(hDlg, IDC_OPTIONS_LEFT), out.leftHanded, FALSE);
        MoveTo(GetDlgItem(hDlg, IDC_OPTIONS_RIGHT), out.rightHanded, FALSE);
        MoveTo(GetDlgItem(hDlg, IDC_OPTIONS_ACCENTS), out.accents, FALSE);
    }
    LayOutWordsTab(hDlg, in.orientation);

    ForEachDescendant(hDlg, ShrinkComboBox);
    ShowOptionsTab(hDlg);
}
