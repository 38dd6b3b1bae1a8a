#include "MenuBar.h"

#include "support/GdiHandles.h"

namespace {
constexpr wchar_t kMenuBarClass[] = L"BrevantoMenuBar";
}

bool CMenuBar::Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc)
{
    m_pEvents = pEvents;
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kMenuBarClass;
    RegisterClassW(&wc);
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kMenuBarClass, L"Menu bar", WS_POPUP, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, hInstance, this);
    if (m_hwnd == nullptr)
        return false;
    ShowWindow(m_hwnd, SW_SHOWNA);
    return true;
}

void CMenuBar::Move(const RECT& rc)
{
    SetWindowPos(m_hwnd, HWND_TOPMOST, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, TRUE);
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

LRESULT CALLBACK CMenuBar::WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* pThis = reinterpret_cast<CMenuBar*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (pThis == nullptr)
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    switch (uMsg)
    {
    case WM_PAINT:
        pThis->OnPaint();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONUP:
        pThis->OnLButtonUp(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
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
