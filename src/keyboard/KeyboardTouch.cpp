#include "keyboard/KeyboardTouch.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

namespace {

constexpr UINT kRepeatDelayMs = 500;
constexpr UINT kRepeatMs = 100;
constexpr UINT kLongPressMs = 500;
constexpr int kDefaultDpi = 96;

void DeleteOneCharacter()
{
    SendMessageW(g_hEditCtrlWnd, WM_CHAR, VK_BACK, 0);
}

void StopRepeat()
{
    KillTimer(g_hDlgWnd, IDT_REPEAT_DELAY);
    KillTimer(g_hDlgWnd, IDT_REPEAT);
}

const wchar_t* AlternatesOf(int nKey)
{
    return FindKeyAlternates(nKey, GetSkinAlternates(nKey), IsCapsOn(), IsShiftOn());
}

// The part of the keyboard control that is on the screen, in control pixels:
// a skin wider than the screen is centred with its sides cut off.
RECT VisibleKeyboardRect()
{
    RECT rcControl{};
    GetClientRect(g_hKeyboardWnd, &rcControl);
    POINT ptOrigin{0, 0};
    ClientToScreen(g_hKeyboardWnd, &ptOrigin);
    const RECT rcScreen{-ptOrigin.x, -ptOrigin.y, GetSystemMetrics(SM_CXSCREEN) - ptOrigin.x,
                        GetSystemMetrics(SM_CYSCREEN) - ptOrigin.y};
    RECT rcVisible{};
    IntersectRect(&rcVisible, &rcControl, &rcScreen);
    return rcVisible;
}

// Lays the held key's strip out within the visible part of the control.
bool OpenHeldKeyStrip()
{
    KeyRecord key{};
    const wchar_t* pszAlternates = AlternatesOf(g_nPressedKey);
    if (pszAlternates == nullptr || !GetKeyRecord(g_nPressedKey, &key))
        return false;
    const RECT rcVisible = VisibleKeyboardRect();
    const int dx = rcVisible.left;
    const int dy = rcVisible.top;
    StripInput input{};
    input.rcKey = {key.rcKey.left - dx, key.rcKey.top - dy, key.rcKey.right - dx, key.rcKey.bottom - dy};
    input.nWidth = rcVisible.right - rcVisible.left;
    input.nHeight = rcVisible.bottom - rcVisible.top;
    input.turn = CurrentTextTurn();
    input.nMinCell = MinimumCellPixels(g_nLogPixelsY != 0 ? g_nLogPixelsY : kDefaultDpi);
    if (!OpenKeyStrip(g_nPressedKey, pszAlternates, input))
        return false;
    for (int i = 0; i < g_keyStrip.nCount; ++i)
    {
        ViewRect& cell = g_keyStrip.aCells[i];
        cell = {cell.left + dx, cell.top + dy, cell.right + dx, cell.bottom + dy};
    }
    return true;
}

}  // namespace

void ToKeyboardPoint(int* pX, int* pY)
{
    if (pX == nullptr || pY == nullptr)
        return;
    DialogToKeyboardPoint(CurrentPlacementInput(), *pX, *pY);
}

void OnKeyboardLButtonDown(HWND hKeyboard, int x, int y)
{
    SetCapture(hKeyboard);
    ToKeyboardPoint(&x, &y);
    if (PressKeyAt(x, y))
        RedrawKeyboard(hKeyboard);
}

void OnKeyboardMouseMove(HWND hKeyboard, int x, int y)
{
    ToKeyboardPoint(&x, &y);
    if (TrackKeyAt(x, y))
        RedrawKeyboard(hKeyboard);
}

void OnKeyboardLButtonUp(HWND hKeyboard, int x, int y)
{
    ReleaseCapture();
    ToKeyboardPoint(&x, &y);
    ReleaseKey();
    // The OK key may have ended the dialog and destroyed the control.
    if (IsWindow(hKeyboard))
        RedrawKeyboard(hKeyboard);
}

bool PressKeyAt(int x, int y)
{
    const StylusOutcome outcome = PressStylus(HitTestKey(x, y));
    if (outcome.bBackspaceDown)
    {
        DeleteOneCharacter();
        SetTimer(g_hDlgWnd, IDT_REPEAT_DELAY, kRepeatDelayMs, RepeatTimerProc);
    }
    if (GetAccentsOnLongPress() && AlternatesOf(g_nPressedKey) != nullptr)
        SetTimer(g_hDlgWnd, IDT_LONG_PRESS, kLongPressMs, LongPressTimerProc);
    return outcome.bRedraw;
}

bool TrackKeyAt(int x, int y)
{
    if (!g_bStylusDown)
        return false;
    // An open strip holds the key: the stylus picks among its cells.
    if (IsKeyStripOpen())
        return TrackKeyStrip(x, y);
    const int nHeld = g_nPressedKey;
    const StylusOutcome outcome = MoveStylus(HitTestKey(x, y));
    if (outcome.bStopRepeat)
        StopRepeat();
    if (g_nPressedKey != nHeld)
        KillTimer(g_hDlgWnd, IDT_LONG_PRESS);
    return outcome.bRedraw;
}

bool ReleaseKey()
{
    StopRepeat();
    KillTimer(g_hDlgWnd, IDT_LONG_PRESS);
    const int nKey = LiftStylus();
    // Off the strip's cells the held key types what it always did.
    const wchar_t* pszChosen = CloseKeyStrip();
    if (pszChosen != nullptr)
        InsertText(pszChosen);
    else
        DoKeyAction(nKey);
    g_nPressedKey = KEY_NONE;
    return true;
}

void DoKeyAction(int nIndex)
{
    const KeyOutcome outcome = ApplyKeyAction(nIndex);
    switch (outcome.effect)
    {
    case KeyEffect::InsertText:
        InsertText(outcome.pszText);
        break;
    case KeyEffect::Finish:
        FinishDialog();
        break;
    case KeyEffect::None:
        break;
    }
}

void InsertText(const WCHAR* pszText)
{
    if (pszText != nullptr)
        SendMessageW(g_hEditCtrlWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pszText));
}

void CALLBACK RepeatTimerProc(HWND hwnd, UINT /*uMsg*/, UINT_PTR idTimer, DWORD /*dwTime*/)
{
    if (idTimer == IDT_REPEAT_DELAY)
    {
        SetTimer(hwnd, IDT_REPEAT, kRepeatMs, RepeatTimerProc);
    }
    else if (idTimer == IDT_REPEAT)
    {
        DeleteOneCharacter();
        RedrawKeyboard(g_hKeyboardWnd);
    }
}

void CALLBACK LongPressTimerProc(HWND hwnd, UINT /*uMsg*/, UINT_PTR idTimer, DWORD /*dwTime*/)
{
    KillTimer(hwnd, idTimer);
    if (g_bStylusDown && !IsKeyStripOpen() && OpenHeldKeyStrip())
        RedrawKeyboard(g_hKeyboardWnd);
}

void CancelLongPress()
{
    if (g_hDlgWnd != nullptr)
        KillTimer(g_hDlgWnd, IDT_LONG_PRESS);
    DiscardKeyStrip();
}
