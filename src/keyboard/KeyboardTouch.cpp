#include "keyboard/KeyboardTouch.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyboardCanvas.h"
#include "keyboard/WordCompletion.h"
#include "settings/Settings.h"
#include "support/DisplayMetrics.h"

namespace {

constexpr UINT kRepeatDelayMs = 500;
constexpr UINT kRepeatMs = 100;
constexpr UINT kLongPressMs = 500;   // also for forgetting an offered word
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

// Where the stylus is, in keyboard control pixels, while it is down.
POINT g_ptStylus{};

AlternateList AlternatesOf(int nKey)
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
    const AlternateList alternates = AlternatesOf(g_nPressedKey);
    if (alternates.nCount == 0 || !GetKeyRecord(g_nPressedKey, &key))
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
    if (!OpenKeyStrip(g_nPressedKey, alternates, LetterCaseFor(IsCapsOn(), IsShiftOn()), input))
        return false;
    for (int i = 0; i < g_keyStrip.nCount; ++i)
    {
        ViewRect& cell = g_keyStrip.aCells[i];
        cell = {cell.left + dx, cell.top + dy, cell.right + dx, cell.bottom + dy};
    }
    // Without room beside the key the strip lies over it: the cell under the
    // stylus is pressed at once, and a lift without a move types it.
    TrackKeyStrip(g_ptStylus.x, g_ptStylus.y);
    return true;
}

void Perform(const KeyOutcome& outcome)
{
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

}  // namespace

void ToKeyboardPoint(int* pX, int* pY)
{
    if (pX == nullptr || pY == nullptr)
        return;
    DialogToKeyboardPoint(CurrentPlacementInput(), *pX, *pY);
}

void OnKeyboardLButtonDown(HWND hKeyboard, int x, int y)
{
    ToKeyboardPoint(&x, &y);
    const bool bRedraw = PressKeyAt(x, y);
    // Taken after the press has begun: a capture the last press still held is
    // given back by it first.
    SetCapture(hKeyboard);
    if (bRedraw)
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
    ToKeyboardPoint(&x, &y);
    ReleaseKey();
    // The OK key may have ended the dialog and destroyed the control.
    if (IsWindow(hKeyboard))
        RedrawKeyboard(hKeyboard);
}

void OnKeyboardCaptureChanged(HWND hKeyboard, HWND hwndNew)
{
    if (hwndNew != hKeyboard)
        OnKeyboardCancelMode(hKeyboard);
}

void OnKeyboardCancelMode(HWND hKeyboard)
{
    const bool bWasDown = g_bStylusDown != 0;
    EndPress();
    if (bWasDown)
        RedrawKeyboard(hKeyboard);
}

bool PressKeyAt(int x, int y)
{
    EndPress();
    g_ptStylus = POINT{x, y};
    // A press on the offered words is theirs until the lift: no key beneath or beside
    // them is pressed by it.
    if (PressWordStrip(x, y))
    {
        PressStylus(KEY_NONE);
        if (IsPressedWordForgettable())
            SetTimer(g_hDlgWnd, IDT_WORD_HOLD, kLongPressMs, WordHoldTimerProc);
        return true;
    }
    const StylusOutcome outcome = PressStylus(HitTestKey(x, y));
    if (outcome.bBackspaceDown)
    {
        DeleteOneCharacter();
        SetTimer(g_hDlgWnd, IDT_REPEAT_DELAY, kRepeatDelayMs, RepeatTimerProc);
    }
    if (GetAccentsOnLongPress() && AlternatesOf(g_nPressedKey).nCount != 0)
        SetTimer(g_hDlgWnd, IDT_LONG_PRESS, kLongPressMs, LongPressTimerProc);
    return outcome.bRedraw;
}

bool TrackKeyAt(int x, int y)
{
    if (!g_bStylusDown)
        return false;
    g_ptStylus = POINT{x, y};
    if (IsWordStripPressed())
    {
        if (!TrackWordStrip(x, y))
            return false;
        KillTimer(g_hDlgWnd, IDT_WORD_HOLD);
        return true;
    }
    // Over the open strip the stylus picks among its cells; off them it moves
    // over the keys as it always did, so a slide away types what it typed before.
    if (IsKeyStripOpen())
    {
        const bool bCellChanged = TrackKeyStrip(x, y);
        if (PressedStripCharacter() != 0)
            return bCellChanged;
        return MoveStylus(HitTestKey(x, y)).bRedraw || bCellChanged;
    }
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
    // What the lift types is settled first; then the press ends as any press ends.
    const int nWordCell = IsWordStripPressed() ? PressedWordCell() : -1;
    const KeyOutcome outcome = LiftStylus();
    EndPress();
    if (nWordCell >= 0)
        ChooseOfferedWord(nWordCell);
    Perform(outcome);
    return true;
}

void EndPress()
{
    if (g_hDlgWnd != nullptr)
    {
        StopRepeat();
        KillTimer(g_hDlgWnd, IDT_LONG_PRESS);
        KillTimer(g_hDlgWnd, IDT_WORD_HOLD);
    }
    EndWordStripPress();
    // The press is over before the capture goes, so the change that going
    // reports finds nothing left to end.
    EndStylus();
    if (g_hKeyboardWnd != nullptr && GetCapture() == g_hKeyboardWnd)
        ReleaseCapture();
}

void InsertText(const WCHAR* pszText)
{
    if (pszText != nullptr)
        SendMessageW(g_hEditCtrlWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(pszText));
}

void CALLBACK RepeatTimerProc(HWND hwnd, UINT /*uMsg*/, UINT_PTR idTimer, DWORD /*dwTime*/)
{
    // A tick already on its way when the press ended deletes nothing.
    if (!g_bStylusDown || g_nPressedKey != KEY_BACKSPACE)
        return;
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

void CALLBACK WordHoldTimerProc(HWND hwnd, UINT /*uMsg*/, UINT_PTR idTimer, DWORD /*dwTime*/)
{
    KillTimer(hwnd, idTimer);
    const int nCell = PressedWordCell();
    if (!g_bStylusDown || nCell < 0 || !IsPressedWordForgettable())
        return;
    // The question ends the press: its lift, after the answer, chooses nothing.
    EndPress();
    RedrawKeyboard(g_hKeyboardWnd);
    AskToForgetOfferedWord(nCell, g_hDlgWnd);
    if (g_hKeyboardWnd != nullptr)
        RedrawKeyboard(g_hKeyboardWnd);
}
