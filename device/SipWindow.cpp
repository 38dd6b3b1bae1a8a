#include "SipWindow.h"

#include "WindowObject.h"

namespace {
constexpr wchar_t kSipClass[] = L"SipWndClass";
}

bool CSipWindow::Create(HINSTANCE hInstance, IShellEvents* pEvents)
{
    m_pEvents = pEvents;
    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kSipClass;
    RegisterClassW(&wc);
    // Placed by the input method's Showing; hidden until then.
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kSipClass, L"SIP", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 1, 1,
                             nullptr, nullptr, hInstance, this);
    return m_hwnd != nullptr;
}

LRESULT CALLBACK CSipWindow::WndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    auto* pThis = WindowObject<CSipWindow>(hwnd, uMsg, lParam);
    if (pThis == nullptr)
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    switch (uMsg)
    {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ACTIVATE:
        // A dialog of the input method that closes hands the activation to its
        // owner, this window; the device gives it back to the application.
        if (LOWORD(wParam) != WA_INACTIVE)
            pThis->m_pEvents->OnSipWindowActivated();
        return 0;
    default:
        return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    }
}
