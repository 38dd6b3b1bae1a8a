#include "ShellStrip.h"

#include "WindowObject.h"

bool CShellStrip::Create(HINSTANCE hInstance, IShellEvents* pEvents, const RECT& rc, const wchar_t* pszClass,
                         const wchar_t* pszTitle)
{
    m_pEvents = pEvents;
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = pszClass;
    RegisterClassW(&wc);
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, pszClass, pszTitle, WS_POPUP, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr, hInstance, this);
    if (m_hwnd == nullptr)
        return false;
    ShowWindow(m_hwnd, SW_SHOWNA);
    return true;
}

void CShellStrip::Move(const RECT& rc)
{
    SetWindowPos(m_hwnd, HWND_TOPMOST, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

LRESULT CALLBACK CShellStrip::WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* pThis = WindowObject<CShellStrip>(hwnd, uMsg, lParam);
    if (pThis == nullptr)
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    switch (uMsg)
    {
    case WM_PAINT:
        pThis->OnPaint();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        if (pThis->OnMessage(uMsg, wParam, lParam))
            return 0;
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}
