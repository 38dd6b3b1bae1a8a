#include "Taskbar.h"

#include "platform/SipInterfaces.h"
#include "support/GdiHandles.h"

namespace {
constexpr wchar_t kTaskbarClass[] = L"HHTaskBar";
constexpr COLORREF kTaskbarColour = RGB(0x10, 0x3C, 0x8C);
}

bool CTaskbar::Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc)
{
    return CShellStrip::Create(hInstance, pEvents, rc, kTaskbarClass, L"Taskbar");
}

void CTaskbar::ShowTitle(const wchar_t* pszTitle)
{
    m_pszTitle = pszTitle;
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

bool CTaskbar::OnMessage(UINT uMsg, WPARAM wParam, LPARAM)
{
    if (uMsg != WM_SETTINGCHANGE)
        return false;
    OnSettingChange(wParam);
    return true;
}

void CTaskbar::OnPaint()
{
    CPaintDc dc(m_hwnd);
    RECT rc;
    GetClientRect(m_hwnd, &rc);
    CUniqueBrush background(CreateSolidBrush(kTaskbarColour));
    FillRect(dc.Get(), &rc, background.Get());

    // The Start flag: four coloured panes.
    const int nSize = (rc.bottom - rc.top) / 2;
    const int x = nSize / 2, y = (rc.bottom - nSize) / 2, h = nSize / 2;
    const COLORREF aPanes[] = {RGB(0xF0, 0x40, 0x20), RGB(0x40, 0xC0, 0x40), RGB(0x30, 0x80, 0xF0), RGB(0xF8, 0xC8, 0x20)};
    for (int i = 0; i < 4; ++i)
    {
        RECT rcPane{x + (i % 2) * h, y + (i / 2) * h, x + (i % 2) * h + h - 1, y + (i / 2) * h + h - 1};
        CUniqueBrush pane(CreateSolidBrush(aPanes[i]));
        FillRect(dc.Get(), &rcPane, pane.Get());
    }

    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0xFF, 0xFF, 0xFF));
    CSelectObject font(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
    RECT rcTitle{x + 2 * h + nSize / 2, rc.top, rc.right, rc.bottom};
    DrawTextW(dc.Get(), m_pszTitle, -1, &rcTitle, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    RECT rcClock{rc.left, rc.top, rc.right - nSize / 2, rc.bottom};
    DrawTextW(dc.Get(), L"9:41", -1, &rcClock, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

void CTaskbar::OnSettingChange(WPARAM wParam)
{
    if (wParam == SETTINGCHANGE_RESET)
        m_pEvents->OnScreenTurned();
}
