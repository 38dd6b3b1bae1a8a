#include "keyboard/KeyboardControl.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyboardCanvas.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyboardTouch.h"
#include "keyboard/TextDirection.h"

#include <windowsx.h>

namespace {

// The press captures the stylus for this control, so the moves and the lift
// of a press arrive here rather than at the dialog; and a press on the
// keyboard must reach the keyboard, not the hidden edit control beneath it.
// Each goes to the dialog's stylus handlers in dialog client coordinates.
void RouteStylus(HWND hwnd, UINT uMsg, LPARAM lParam)
{
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const HWND hDlg = GetParent(hwnd);
    MapWindowPoints(hwnd, hDlg, &pt, 1);
    switch (uMsg)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnKeyboardLButtonDown(hwnd, pt.x, pt.y); break;
    case WM_MOUSEMOVE: OnKeyboardMouseMove(hwnd, pt.x, pt.y); break;
    case WM_LBUTTONUP: OnKeyboardLButtonUp(hwnd, pt.x, pt.y); break;
    default: break;
    }
}

}  // namespace

LRESULT CALLBACK KeyboardSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_PAINT:
        PaintKeyboardControl(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_DESTROY:
        ReleaseKeyboardCanvas();
        return CallWindowProcW(g_pfnKeyboardProc, hwnd, uMsg, wParam, lParam);
    case WM_NCHITTEST:
        // A plain static control lets the stylus fall through to what lies
        // beneath; the keyboard takes it.
        return HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:   // a quick second tap on a key is a tap like the first
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        RouteStylus(hwnd, uMsg, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnKeyboardCaptureChanged(hwnd, reinterpret_cast<HWND>(lParam));
        return 0;
    default:
        return CallWindowProcW(g_pfnKeyboardProc, hwnd, uMsg, wParam, lParam);
    }
}

LRESULT CALLBACK EditSubclassProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_KEYDOWN)
        return CallWindowProcW(g_pfnEditProc, hwnd, uMsg, wParam, lParam);
    const EditKeyRoute route = RouteEditKey(static_cast<int>(wParam), CurrentSkinTurn());
    LRESULT lResult = 0;
    if (route.bPass)
        lResult = CallWindowProcW(g_pfnEditProc, hwnd, WM_KEYDOWN, static_cast<WPARAM>(route.nKey), lParam);
    if (g_hKeyboardWnd != nullptr)
        RedrawKeyboard(g_hKeyboardWnd);
    return lResult;
}

void CALLBACK CaretBlinkTimerProc(HWND hwnd, UINT /*uMsg*/, UINT_PTR idTimer, DWORD /*dwTime*/)
{
    if (idTimer != IDT_CARET_BLINK)
        return;
    g_bCaretVisible = !g_bCaretVisible;
    RedrawKeyboard(hwnd);
}
