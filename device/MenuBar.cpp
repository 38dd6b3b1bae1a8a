#include "MenuBar.h"

#include "support/GdiHandles.h"

namespace {
constexpr wchar_t kMenuBarClass[] = L"BrevantoMenuBar";
}

bool CMenuBar::Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc)
{
    return CShellStrip::Create(hInstance, pEvents, rc, kMenuBarClass, L"Menu bar");
}

RECT CMenuBar::SipButtonRect() const
{
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    const int nHeight = rc.bottom - rc.top;
    const int nWidth = nHeight * 3 / 2;
    const int x = (rc.right - nWidth) / 2;
    return RECT{x, 0, x + nWidth, nHeight};
}

bool CMenuBar::OnMessage(UINT uMsg, WPARAM, LPARAM lParam)
{
    if (uMsg != WM_LBUTTONUP)
        return false;
    OnLButtonUp(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    return true;
}

void CMenuBar::OnPaint()
{
    CPaintDc dc(m_hwnd);
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    CUniqueBrush background(CreateSolidBrush(RGB(0x10, 0x3C, 0x8C)));
    FillRect(dc.Get(), &rc, background.Get());

    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0xFF, 0xFF, 0xFF));
    CSelectObject font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    RECT rcLeft{rc.left + 6, rc.top, rc.right / 2, rc.bottom};
    DrawTextW(dc.Get(), L"New", -1, &rcLeft, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    RECT rcRight{rc.right / 2, rc.top, rc.right - 6, rc.bottom};
    DrawTextW(dc.Get(), L"Menu", -1, &rcRight, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);

    // The input panel button: a small keyboard.
    const RECT rcButton = SipButtonRect();
    const int nInset = (rcButton.bottom - rcButton.top) / 4;
    RECT rcKeys{rcButton.left + nInset, rcButton.top + nInset, rcButton.right - nInset, rcButton.bottom - nInset};
    CUniqueBrush white(CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF)));
    FrameRect(dc.Get(), &rcKeys, white.Get());
    const int nKeyWidth = (rcKeys.right - rcKeys.left) / 5;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
        {
            const int x = rcKeys.left + 2 + col * nKeyWidth + (row * nKeyWidth) / 2;
            const int y = rcKeys.top + 2 + row * ((rcKeys.bottom - rcKeys.top - 4) / 2);
            RECT rcKey{x, y, x + nKeyWidth - 2, y + (rcKeys.bottom - rcKeys.top - 4) / 2 - 1};
            FillRect(dc.Get(), &rcKey, white.Get());
        }
}

void CMenuBar::OnLButtonUp(int x, int y)
{
    const RECT rcButton = SipButtonRect();
    const POINT pt{x, y};
    if (PtInRect(&rcButton, pt))
        m_pEvents->OnSipButton();
}
