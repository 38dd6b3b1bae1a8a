#include "keyboard/KeyboardTouch.h"

#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"

namespace {

constexpr UINT kRepeatDelayMs = 500;
constexpr UINT kRepeatMs = 100;

void DeleteOneCharacter()
{
    SendMessageW(g_hEditCtrlWnd, WM_CHAR, VK_BACK, 0);
}

void StopRepeat()
{
    KillTimer(g_hDlgWnd, IDT_REPEAT_DELAY);
    KillTimer(g_hDlgWnd, IDT_REPEAT);
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
    return outcome.bRedraw;
}

bool TrackKeyAt(int x, int y)
{
    if (!g_bStylusDown)
        return false;
    const StylusOutcome outcome = MoveStylus(HitTestKey(x, y));
    if (outcome.bStopRepeat)
        StopRepeat();
    return outcome.bRedraw;
}

bool ReleaseKey()
{
    StopRepeat();
    const int nKey = LiftStylus();
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
