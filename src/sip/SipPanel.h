#pragma once
#include <windows.h>

#include "keyboard/KeyboardTexts.h"
#include "platform/SipInterfaces.h"
#include "sip/BarLayout.h"
#include "sip/SipBarWindow.h"

// One button of the SIP bar: its action, its rectangle in bar-bitmap
// coordinates, and its pressed image (owned by the panel).
struct BarButton
{
    int nAction;
    BarRect rc;
    HBITMAP hPressed;
};

// The object behind the SIP bar: its window, its buttons and the text that the
// full-screen keyboard hands over for delivery.
class SipPanel : public ISipBarClient, public CKeyboardTexts
{
public:
    explicit SipPanel(HINSTANCE hInstance);
    ~SipPanel() override;
    SipPanel(const SipPanel&) = delete;
    SipPanel& operator=(const SipPanel&) = delete;

    HWND CreateBarWindow(LPCWSTR pszWindowName, DWORD dwStyle, const RECT& rc, HINSTANCE hInstance,
                         HWND hwndParent);
    void MoveBarWindow(int x, int y, int nWidth, int nHeight);
    BOOL DestroyBarWindow();
    void SetCallback(IIMCallback* pCallback);
    // The end of the panel, for Deselect and the object's release: deleted now,
    // or, when they come from inside an action's dialog (its message loop runs
    // them), as soon as that action returns; a retired panel sends nothing more.
    // The panel must come from new.
    void Retire();

    int HitTest(int x, int y) const;
    void OnButtonDown(int x, int y) override;
    void OnButtonMove(int x, int y) override;
    void OnButtonUp() override;

    void Redraw();
    void BeginInitializing();
    void EndInitializing();

    void Paint(HDC hdc, const RECT& rcClient) const override;

    HINSTANCE m_hInstance;
    HWND m_hwnd;
    // Borrowed from the SIP manager: never AddRef'd, never released.
    IIMCallback* m_pCallback;
    BarButton m_aButtons[kBarButtonCount];
    int m_nPressed;

private:
    void RunAction(int nAction);
    bool LoadBarBitmaps(HINSTANCE hInstance);
    void PressAt(int x, int y);
    void RunKeyboard();
    void RunOptions();

    int m_nActionDepth = 0;   // actions under way, counting those run from inside another's dialog
    bool m_bRetired = false;
};
