#include "keyboard/KeyboardDialog.h"

#include "keyboard/Alternates.h"
#include "keyboard/EditView.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardTouch.h"
#include "keyboard/KeyboardPlacement.h"
#include "keyboard/PlatformCapital.h"
#include "keyboard/KeyboardControl.h"
#include "keyboard/WordCompletion.h"
#include "platform/AygShell.h"
#include "platform/SdkInlines.h"
#include "platform/SipInterfaces.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "support/MessageCaption.h"
#include "support/DisplayMetrics.h"
#include "support/FontHelper.h"
#include "support/LogFile.h"
#include "support/ModuleInstance.h"

namespace {

constexpr int kTaskbarAllowance = 26;   // the device's taskbar height, not scaled
constexpr UINT kCaretBlinkMs = 500;
constexpr WPARAM kCaretToEnd = 0xFFFF;

constexpr int kTextFontHeight = 16;
// The park traces carry the source positions the log has always shown for them:
// the file's own name, not the path this build was compiled from.
constexpr char kTraceSource[] = "KeyboardDialog.cpp";
constexpr int kReleaseTraceLine = 156;
constexpr int kAllocateTraceLine = 159;

HFONT GetEditControlFont()
{
    return CFontHelper::Instance().GetFont(CFontHelper::kTextFontSlot, ScaleByDpi(kTextFontHeight), FW_NORMAL,
                                           g_szFaceName);
}

void Move(HWND hwnd, const PlacedRect& rc)
{
    MoveWindow(hwnd, rc.x, rc.y, rc.nWidth, rc.nHeight, TRUE);
}

void PlaceWindows(HWND hDlg)
{
    const PlacementInput input = CurrentPlacementInput();
    const KeyboardPlacement placement = PlaceKeyboard(input);
    if (!placement.bMove)
        return;
    Move(hDlg, placement.dialog);
    Move(g_hEditCtrlWnd, placement.edit);
    Move(g_hKeyboardWnd, placement.keyboard);
}

template <typename TProc>
WNDPROC Subclass(HWND hwnd, TProc pfnProc)
{
    return reinterpret_cast<WNDPROC>(
        ce::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnProc)));
}

void RestoreParkedText()
{
    if (g_pSipPanel == nullptr || g_pSipPanel->m_pUnprocStr == nullptr)
        return;
    SetFocus(g_hEditCtrlWnd);
    SetWindowTextW(g_hEditCtrlWnd, g_pSipPanel->m_pUnprocStr);
    PostMessageW(g_hEditCtrlWnd, EM_SETSEL, kCaretToEnd, kCaretToEnd);
    PostMessageW(g_hEditCtrlWnd, EM_SCROLLCARET, 0, 0);
    delete[] g_pSipPanel->m_pUnprocStr;
    g_pSipPanel->m_pUnprocStr = nullptr;
}

BOOL OnInitDialog(HWND hDlg)
{
    g_hDlgWnd = hDlg;
    g_bClosing = 0;
    g_hEditCtrlWnd = GetDlgItem(hDlg, IDC_KEYBOARD_EDIT);
    g_hKeyboardWnd = GetDlgItem(hDlg, IDC_KEYBOARD_VIEW);
    // The last opening ended its press when it ended; whatever press the state
    // still holds is over. Caps lock, shift and the view carry over.
    EndPress();
    SetCapitalFallback(PlatformCapital);

    SendMessageW(g_hEditCtrlWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetEditControlFont()), TRUE);

    PlaceWindows(hDlg);

    g_pfnEditProc = Subclass(g_hEditCtrlWnd, EditSubclassProc);
    g_pfnKeyboardProc = Subclass(g_hKeyboardWnd, KeyboardSubclassProc);

    SetTimer(g_hKeyboardWnd, IDT_CARET_BLINK, kCaretBlinkMs, CaretBlinkTimerProc);
    SetFocus(g_hEditCtrlWnd);
    RestoreParkedText();
    OpenWordCompletion();
    return TRUE;
}

// Switching to another application: the text is kept for the next opening
// and nothing is delivered.
void ParkText(HWND hDlg)
{
    // Ending the dialog deactivates it again; those deactivations must not
    // park a second time, when the edit control may already be emptied.
    g_bClosing = 1;
    if (g_pSipPanel != nullptr)
    {
        delete[] g_pSipPanel->m_pBuffer;
        g_pSipPanel->m_pBuffer = nullptr;
        delete[] g_pSipPanel->m_pUnprocStr;
        g_pSipPanel->m_pUnprocStr = nullptr;
        LOG_MSG("RELEASE_STRING(g_pSipPanel->m_pUnprocStr);", kTraceSource, kReleaseTraceLine);
        g_pSipPanel->m_pUnprocStr = CopyEditText(g_hEditCtrlWnd);
        LOG_MSG("m_pUnprocStr = new TCHAR[iWindowTextLength + 2];", kTraceSource, kAllocateTraceLine);
        // The user has left for another application: the dialog ends all the same,
        // but the loss is not silent (RunKeyboardDialog says so once it has ended).
        if (g_pSipPanel->m_pUnprocStr == nullptr && GetWindowTextLengthW(g_hEditCtrlWnd) > 0)
            g_bTextNotKept = 1;
    }
    EndDialog(hDlg, 0);
}

// The activation went to a window of another thread or process: the platform
// names no window then, and a window it names that belongs to another thread
// means the same.
bool IsSwitchingAway(HWND hwndOther)
{
    if (hwndOther == nullptr)
        return true;
    return GetWindowThreadProcessId(hwndOther, nullptr) != ce::GetCurrentThreadId();
}

void OnActivate(HWND hDlg, UINT uState, HWND hwndOther)
{
    RECT rc{};
    GetWindowRect(hDlg, &rc);
    if (uState == WA_ACTIVE)
    {
        SHFullScreen(hDlg, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
        MoveWindow(hDlg, rc.left, 0, rc.right, rc.bottom + kTaskbarAllowance, TRUE);
        return;
    }
    if (uState == WA_INACTIVE && !g_bClosing && IsSwitchingAway(hwndOther))
        ParkText(hDlg);
}

void OnDestroy()
{
    EndPress();
    g_hDlgWnd = nullptr;
    g_hKeyboardWnd = nullptr;
    g_hEditCtrlWnd = nullptr;
    g_pSipPanel = nullptr;
}

// The screen turned, or the settings file was rewritten: end as with OK so
// that the text is delivered and the skin is loaded afresh for the next opening.
void OnScreenChanged()
{
    if (IsOptionsChanged())
        FinishDialog();
}

INT_PTR SetResult(HWND hDlg, LRESULT lResult)
{
    ce::SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, lResult);
    return TRUE;
}

}  // namespace

void SetKeyboardDialogContext(HINSTANCE hInstance, HWND /*hwndSipBar*/, CKeyboardTexts* pSipPanel)
{
    g_hInstance = hInstance;
    g_pSipPanel = pSipPanel;
}

LPCDLGTEMPLATEW LoadKeyboardTemplate(HINSTANCE hInstance)
{
    const HRSRC hResource = FindResourceW(hInstance, MAKEINTRESOURCEW(IDD_KEYBOARD), RT_DIALOG);
    if (hResource == nullptr)
        return nullptr;
    const HGLOBAL hTemplate = LoadResource(hInstance, hResource);
    return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEW>(ce::LockResource(hTemplate)) : nullptr;
}

void RunKeyboardDialog(HINSTANCE hInstance, HWND hwndOwner)
{
    const LPCDLGTEMPLATEW pTemplate = LoadKeyboardTemplate(hInstance);
    CKeyboardTexts* const pTexts = g_pSipPanel;
    g_bTextNotKept = 0;
    // Only OK leaves text to deliver: a switch away clears it, and the keyboard action
    // has delivered and freed any earlier text.
    if (pTemplate != nullptr && DialogBoxIndirectParamW(hInstance, pTemplate, hwndOwner, KeyboardDialogProc, 0) != -1 &&
        pTexts != nullptr && pTexts->m_pBuffer != nullptr)
        LearnFromDeliveredText(pTexts->m_pBuffer);
    if (g_bTextNotKept)
        MessageBoxW(hwndOwner, kTextNotKeptMessage, kMessageCaption, MB_ICONHAND);
    g_bTextNotKept = 0;
}

INT_PTR CALLBACK KeyboardDialogProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_INITDIALOG:
        return OnInitDialog(hDlg);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            FinishDialog();
        return SetResult(hDlg, 0);
    case WM_ACTIVATE:
        OnActivate(hDlg, LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        return SetResult(hDlg, 0);
    case WM_DESTROY:
        OnDestroy();
        return SetResult(hDlg, 0);
    case WM_SETTINGCHANGE:
        if (wParam == SETTINGCHANGE_RESET)
            OnScreenChanged();
        return FALSE;
    case WM_DISPLAYCHANGE:
        // A desktop reports a turned screen this way instead.
        OnScreenChanged();
        return FALSE;
    case WM_CANCELMODE:
        // A dialog or message box is coming up: the press under way will get no lift.
        OnKeyboardCancelMode(g_hKeyboardWnd);
        return FALSE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:   // the dialog class reports a quick second tap this way
        OnKeyboardLButtonDown(g_hKeyboardWnd, LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_MOUSEMOVE:
        OnKeyboardMouseMove(g_hKeyboardWnd, LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    case WM_LBUTTONUP:
        OnKeyboardLButtonUp(g_hKeyboardWnd, LOWORD(lParam), HIWORD(lParam));
        return FALSE;
    default:
        return FALSE;
    }
}
